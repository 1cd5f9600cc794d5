// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/WaveList.h"

#include "alarm/SoundResources.h"

#include <QFile>

#include <cstdio>

namespace ql {
namespace {

std::shared_ptr<const QByteArray> readWave(const QString& name) {
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(name));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "quorlan-lite: built-in sound %s is missing\n", qPrintable(name));
        return nullptr;
    }
    const QByteArray bytes = file.readAll();
    return bytes.isEmpty() ? nullptr : std::make_shared<const QByteArray>(bytes);
}

} // namespace

WaveList::WaveList(const QStringList& names) {
    ensureSoundResources();
    for (const QString& name : names)
        items_.push_back(readWave(name));
}

std::shared_ptr<const QByteArray> WaveList::item(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    return items_[std::size_t(index)];
}

} // namespace ql
