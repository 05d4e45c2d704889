#pragma once

#include <QAudioDevice>
#include <QAudioFormat>
#include <QList>
#include <QMediaDevices>

#include <algorithm>
#include <optional>

namespace sound {

// What the player and the input share in their sound devices, outputs or inputs.
namespace audiodevices {

inline constexpr int usualRate = 48000;
inline constexpr int channels = 2;
// How often the devices and the stream are looked at while one runs, and how many
// looks in a row with nothing moved mean the device has stopped: Qt 6.4 tells of
// neither a device that goes nor a stream the server ends, and a window busy for a
// moment delays one look, not two.
inline constexpr int watchMilliseconds = 250;
inline constexpr int idleWatchesToFail = 2;

// The devices, the system's default first.
inline QList<QAudioDevice> defaultFirst(QList<QAudioDevice> devices, const QAudioDevice &usual)
{
    const auto at = std::find(devices.begin(), devices.end(), usual);
    if (at != devices.end())
        std::rotate(devices.begin(), at, at + 1);
    return devices;
}

inline QList<QByteArray> idsOf(const QList<QAudioDevice> &devices)
{
    QList<QByteArray> ids;
    for (const QAudioDevice &device : devices)
        ids.append(device.id());
    return ids;
}

// The device of that id among these, the default for an empty id, or an invalid one.
inline QAudioDevice chosen(const QList<QAudioDevice> &devices, const QAudioDevice &usual, const QByteArray &id)
{
    if (id.isEmpty())
        return usual;
    for (const QAudioDevice &device : devices)
        if (device.id() == id)
            return device;
    return {};
}

// 16-bit stereo at 48 kHz, or else at the device's own rate.
inline std::optional<QAudioFormat> stereoFormat(const QAudioDevice &device)
{
    QAudioFormat format;
    format.setChannelCount(channels);
    format.setChannelConfig(QAudioFormat::ChannelConfigStereo);
    format.setSampleFormat(QAudioFormat::Int16);
    for (const int rate : {usualRate, device.preferredFormat().sampleRate()}) {
        format.setSampleRate(rate);
        if (rate > 0 && device.isFormatSupported(format))
            return format;
    }
    return std::nullopt;
}

} // namespace audiodevices

} // namespace sound
