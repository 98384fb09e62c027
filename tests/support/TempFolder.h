#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

namespace bm::test {

// A fresh folder for one test, removed afterwards.
class TempFolder {
public:
    TempFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }

    static QByteArray readBytes(const QString& path);
    static void writeBytes(const QString& path, const QByteArray& bytes);

private:
    QTemporaryDir dir_;
};

}  // namespace bm::test
