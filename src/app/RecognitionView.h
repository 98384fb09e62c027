#pragma once

#include <QString>

namespace bm {

// Where recognition reports its progress: the three recognition labels of
// the main window's debug frame ("認識中…", "NotFind", "認識NG", the digits).
class RecognitionView {
public:
    virtual ~RecognitionView() = default;
    virtual void setRecognitionLabel(int cat, const QString& text) = 0;
};

}  // namespace bm
