#pragma once

#include <QByteArray>
#include <QString>

namespace bm::test {

// A machine written as files below a root folder, the way Linux publishes
// it under /etc, /proc, /sys and /run: an 18-core two-socket workstation
// with two graphics cards, swap, DMI data and two login sessions.
class CannedMachine {
public:
    explicit CannedMachine(QString root);

    void write(const QString& relativePath, const QByteArray& content) const;
    void remove(const QString& relativePath) const;

private:
    void link(const QString& relativePath, const QString& target) const;

    QString root_;
};

}  // namespace bm::test
