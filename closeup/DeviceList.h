#pragma once

#include "CloseUpTexts.h"

#include <QAudioDevice>
#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>

namespace closeup {

// Fills a list of sound devices, the system's default first: an entry that follows the
// default wherever it goes, then each device. It keeps the one chosen while it is
// there; whoever uses it says so when it is not.
inline void listDevices(QComboBox &list, const QList<QAudioDevice> &defaultFirst)
{
    const QByteArray chosen = list.currentData().toByteArray();
    const QSignalBlocker quiet(&list);
    list.clear();
    list.addItem(usualDevice.arg(defaultFirst.isEmpty() ? QString() : defaultFirst.front().description()), QByteArray());
    for (const QAudioDevice &device : defaultFirst)
        list.addItem(device.description(), device.id());
    list.setCurrentIndex(std::max(0, list.findData(chosen)));
}

} // namespace closeup
