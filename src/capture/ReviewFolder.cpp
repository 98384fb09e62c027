#include "capture/ReviewFolder.h"

#include <QDir>
#include <QFile>

#include "app/PathUtil.h"
#include "app/Settings.h"
#include "capture/ImageFiles.h"

namespace bm {

namespace {

const QString NamePattern = QStringLiteral("NG_*.png");

}  // namespace

QString ReviewFolderPath(const Settings& settings) {
    if (settings.PayRecordFolder.isEmpty()) {
        return {};
    }
    return settings.PayRecordFolder + QStringLiteral("/ss/NG/");
}

QStringList SaveReviewImages(const QString& folder, const std::vector<QImage>& regions,
                             const QDateTime& when, int keep) {
    QStringList written;
    if (folder.isEmpty()) {
        return written;
    }
    QString path = folder;
    if (!PathExists(path)) {
        CreateFolderTree(path);
    }
    if (!path.endsWith(QLatin1Char('/'))) {
        path += QLatin1Char('/');
    }
    const QString stem =
        path + QStringLiteral("NG_") + when.toString(QStringLiteral("yyyyMMdd_HHmmsszzz_"));
    for (size_t i = 0; i < regions.size(); ++i) {
        const QString file = stem + QString::number(i) + QStringLiteral(".png");
        if (SavePictureAsPng(regions[i], file) == imagestatus::Ok) {
            written << file;
        }
    }
    PruneReviewFolder(path, keep);
    return written;
}

void PruneReviewFolder(const QString& folder, int keep) {
    QDir dir(folder);
    // The names carry the time, so name order is age order.
    const QStringList names = dir.entryList({NamePattern}, QDir::Files, QDir::Name);
    for (qsizetype i = 0; i + std::max(keep, 0) < names.size(); ++i) {
        QFile::remove(dir.filePath(names[i]));
    }
}

}  // namespace bm
