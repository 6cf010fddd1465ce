#pragma once

#include <QFile>
#include <QStringList>

#include <algorithm>

// The files this process has mapped whose paths contain one of the given parts: what it has
// loaded, libraries and fonts alike.
inline QStringList mappedFiles(const QList<QByteArray> &parts)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read /proc/self/maps")};
    QStringList found;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const qsizetype start = line.indexOf('/');
        if (start < 0)
            continue;
        const QByteArray path = line.mid(start);
        if (std::any_of(parts.begin(), parts.end(),
                        [&](const QByteArray &part) { return path.contains(part); }))
            found.append(QString::fromLocal8Bit(path));
    }
    found.removeDuplicates();
    return found;
}
