#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace bm {

struct Settings;

// The folder in which the region pictures of failed reads are kept for the
// user to look at: <record folder>/ss/NG/. Empty when no record folder is set.
QString ReviewFolderPath(const Settings& settings);

// How many pictures the review folder keeps.
inline constexpr int ReviewFolderKeep = 100;

// Writes the pictures of one failed read as NG_yyyyMMdd_HHmmsszzz_<region>.png
// into `folder` (created when missing), then removes the oldest pictures
// beyond `keep`. Returns the paths written.
QStringList SaveReviewImages(const QString& folder, const std::vector<QImage>& regions,
                             const QDateTime& when, int keep = ReviewFolderKeep);

// Removes the oldest review pictures of `folder` (by the time in their names)
// until at most `keep` are left. Other files are never touched.
void PruneReviewFolder(const QString& folder, int keep);

}  // namespace bm
