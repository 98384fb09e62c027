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
    void link(const QString& relativePath, const QString& target) const;
    QString root() const { return root_; }

private:
    QString root_;
};

// utmp records of the given types, 384 bytes each.
QByteArray utmpRecords(std::initializer_list<short> types);

}  // namespace bm::test
