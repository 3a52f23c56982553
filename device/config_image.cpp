// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration image: construction of the default image, raw and field access,
// the custom-function check, the validation of an image read from the device or a file,
// and the merge of the user's settings over an image before it is sent back.
//
// Entry points: ConfigImage::defaultImage, resetBattery, checkCf, validate,
// takeUserSettings, equalForReadback.
#include "device/config_image.h"

#include "device/message_sink.h"

#include <QCoreApplication>
#include <cstring>

namespace
{

QString tr(const char* text)
{
    return QCoreApplication::translate("ConfigImage", text);
}

const char* const noBank = QT_TRANSLATE_NOOP("ConfigImage", "No configuration bank %1");

constexpr int setpoint_count = 3;

// Scaled form of a raw CF value for messages: tenths and hundredths get their decimals.
QString scaled(quint32 type, quint16 v)
{
    switch (type) {
    case 3:
        return QString::number(v / 10.0, 'f', 1);
    case 4:
        return QString::number(v / 100.0, 'f', 2);
    default:
        return QString::number(v);
    }
}

QString tenthsOfDegree(qint16 t)
{
    return QString::number(t / 10.0, 'f', 1);
}

} // namespace

ConfigImage::ConfigImage()
{
    std::memset(bytes_, 0, sizeof bytes_);
}

ConfigImage ConfigImage::defaultImage(const QDate& today)
{
    ConfigImage im;
    im.setWord(serial, 0xFFFF);
    im.setByte(firmware_major, 2);
    im.setByte(firmware_minor, 20);
    im.setByte(bank1_byte0, 21);
    for (int n = 1; n <= GasCount; ++n) {
        im.setGasDefaultO2(n, 21);
        im.setGasDefaultHe(n, 0);
        im.setGasO2(n, 21);
        im.setGasHe(n, 0);
        im.setGasDepth(n, 0);
    }
    im.setByte(gas6_O2, 21);
    im.setByte(gas6_He, 0);
    im.setByte(salinity, 100);
    im.setByte(first_gas, 1);
    for (int k = 1; k <= setpoint_count; ++k)
        im.setSetpoint(k, 100);
    im.resetBattery(today);
    im.setByte(cf_count, 71);
    for (int n = 0; n < CfCount; ++n) {
        const quint16 def = cfDefinition(n).def;
        im.setCfDefault(n, def);
        im.setCf(n, def);
    }
    return im;
}

// ---- raw access ----------------------------------------------------------------------

QByteArray ConfigImage::toByteArray() const
{
    return QByteArray(reinterpret_cast<const char*>(bytes_), Size);
}

void ConfigImage::fromByteArray(const QByteArray& image)
{
    if (image.size() != Size)
        throw tr("Configuration image must be %1 bytes, got %2").arg(Size).arg(image.size());
    std::memcpy(bytes_, image.constData(), Size);
}

QByteArray ConfigImage::bank(int b) const
{
    if (b < 0 || b >= Size / BankSize)
        throw tr(noBank).arg(b);
    return QByteArray(reinterpret_cast<const char*>(bytes_ + b * BankSize), BankSize);
}

void ConfigImage::setBank(int b, const QByteArray& bytes)
{
    if (b < 0 || b >= Size / BankSize)
        throw tr(noBank).arg(b);
    if (bytes.size() != BankSize)
        throw tr("Configuration bank %1 must be %2 bytes, got %3")
            .arg(b)
            .arg(BankSize)
            .arg(bytes.size());
    std::memcpy(bytes_ + b * BankSize, bytes.constData(), BankSize);
}

quint16 ConfigImage::word(int offset) const
{
    if (offset < 0 || offset + 1 >= Size)
        throw tr("Configuration image offset %1 out of range").arg(offset);
    return static_cast<quint16>(bytes_[offset] | (bytes_[offset + 1] << 8));
}

void ConfigImage::setWord(int offset, quint16 v)
{
    if (offset < 0 || offset + 1 >= Size)
        throw tr("Configuration image offset %1 out of range").arg(offset);
    bytes_[offset] = static_cast<quint8>(v & 0xFF);
    bytes_[offset + 1] = static_cast<quint8>(v >> 8);
}

void ConfigImage::setGasActive(int n, bool on)
{
    const quint8 bit = static_cast<quint8>(1u << (n - 1));
    if (on)
        bytes_[active_gases] |= bit;
    else
        bytes_[active_gases] &= static_cast<quint8>(~bit);
}

// ---- custom text ---------------------------------------------------------------------

QString ConfigImage::customText() const
{
    if (bytes_[text_on] == 0)
        return QString();
    int len = 0;
    while (len < TextLength && bytes_[text + len] != '}')
        ++len;
    return QString::fromLatin1(reinterpret_cast<const char*>(bytes_ + text), len);
}

void ConfigImage::setCustomText(const QString& t)
{
    // The device shows at most 25 Latin-1 characters; the rest of the field is '}'.
    const QByteArray latin = t.left(TextLength).toLatin1();
    bytes_[text_on] = latin.isEmpty() ? 0 : 1;
    std::memset(bytes_ + text, '}', TextLength);
    std::memcpy(bytes_ + text, latin.constData(), static_cast<size_t>(latin.size()));
}

// ---- battery block -------------------------------------------------------------------

void ConfigImage::resetBattery(const QDate& today)
{
    const quint8 month = static_cast<quint8>(today.month());
    const quint8 day = static_cast<quint8>(today.day());
    const quint8 year = static_cast<quint8>(today.year() % 100);
    for (int at : {int(date_a), int(last_charge_date), int(date_b), int(date_c)}) {
        bytes_[at] = month;
        bytes_[at + 1] = day;
        bytes_[at + 2] = year;
    }
    setWord(battery_low_mv, 5000);
    setWord(battery_word, 200);
    setWord(cycle_count, 1);
    setWord(total_cycle_count, 1);
    setWord(min_temperature, 100);
    setWord(max_temperature, 100);
}

bool ConfigImage::isValidDate(int month, int day, int year, const QDate& today)
{
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 && year >= 9 &&
           year <= today.year() % 100;
}

// ---- checks --------------------------------------------------------------------------

QString ConfigImage::checkCf(int n, quint16 v)
{
    const CfDefinition& row = cfDefinition(n);

    // Lower limit; a minimum of 0 means none.
    if (row.min != 0) {
        if (row.type & SignedType) {
            const qint16 sv = static_cast<qint16>(v);
            const qint16 smin = static_cast<qint16>(row.min);
            if (smin > sv)
                return tr("value %1, min %2").arg(sv).arg(smin);
        } else if (row.min > v) {
            if (row.type == 5)
                return tr("value %1 %, min %2 %").arg(v).arg(row.min);
            return tr("value %1, min %2").arg(scaled(row.type, v), scaled(row.type, row.min));
        }
    }

    // Upper limit; a maximum not above the minimum means none.
    if (row.max > row.min && v > row.max) {
        if (row.type == 5)
            return tr("value %1, max %2 %").arg(v).arg(row.max);
        return tr("value %1, max %2").arg(scaled(row.type, v), scaled(row.type, row.max));
    }
    return QString();
}

bool ConfigImage::validate(MessageSink* sink, const QDate& today) const
{
    auto say = [sink](const QString& line) {
        if (sink)
            sink->message(line);
    };

    // Stopping errors: an image failing these is not an OSTC configuration at all.
    const quint16 s = word(serial);
    if (s != 0xFFFF && (s < 100 || s > 10000))
        throw tr("EEPROM: bad serial");
    if (bytes_[firmware_major] == 0 || bytes_[firmware_major] > 3 || bytes_[firmware_minor] > 99)
        throw tr("EEPROM: bad firmware version");
    if (bytes_[deco_type] > 6)
        throw tr("EEPROM: bad deco type");

    // Custom functions out of range are reported but do not fail the image.
    bool cfHeader = false;
    for (int n = 0; n < CfCount; ++n) {
        const QString msg = checkCf(n, cf(n));
        if (msg.isEmpty())
            continue;
        if (!cfHeader) {
            say(tr("Bad CF settings:"));
            cfHeader = true;
        }
        say(QStringLiteral("&nbsp;&nbsp;<b>CF%1: <font color='red'>%2</font></b>")
                .arg(n, 2, 10, QLatin1Char('0'))
                .arg(msg));
    }

    // Battery block: every finding is reported, any of them makes the image bad.
    bool ok = true;
    const qint16 tmin = signedWord(min_temperature);
    const qint16 tmax = signedWord(max_temperature);
    if (tmin < -300 || tmin > 300) {
        say(tr("Battery: bad min tp %1°C").arg(tenthsOfDegree(tmin)));
        ok = false;
    }
    if (tmax < -50 || tmax > 500) {
        say(tr("Battery: bad max tp %1°C").arg(tenthsOfDegree(tmax)));
        ok = false;
    }
    if (tmax + 10 < tmin) {
        say(tr("Battery: bad min/max tp %1°C %2°C")
                .arg(tenthsOfDegree(tmin), tenthsOfDegree(tmax)));
        ok = false;
    }
    const qint16 low = signedWord(battery_low_mv);
    if (low < 3000 || low > 7000) {
        say(tr("Battery: bad low %1 volt").arg(QString::number(low / 1000.0, 'f', 3)));
        ok = false;
    }
    const qint16 cycles = signedWord(cycle_count);
    if (cycles < 0 || cycles > 1000) {
        say(tr("Battery: bad cycle count %1").arg(cycles));
        ok = false;
    }
    const qint16 total = signedWord(total_cycle_count);
    if (total < 0 || total > 1000) {
        say(tr("Battery: bad total cycle count %1").arg(total));
        ok = false;
    }
    const quint8* charge = bytes_ + last_charge_date;
    if (charge[0] == 0 && charge[1] == 0 && charge[2] == 0) {
        say(tr("Battery: no last charge date"));
    } else if (!isValidDate(charge[0], charge[1], charge[2], today)) {
        say(tr("Battery: bad last charge date"));
        ok = false;
    }

    for (int at : {int(date_a), int(date_b), int(date_c)}) {
        if (!isValidDate(bytes_[at], bytes_[at + 1], bytes_[at + 2], today)) {
            say(tr("Battery: bad date"));
            ok = false;
            break;
        }
    }
    return ok;
}

// ---- merging and comparing -----------------------------------------------------------

bool ConfigImage::takeUserSettings(const ConfigImage& source, MessageSink* sink, const QDate& today)
{
    // Current mixes of gases 1..5 (their default mixes in between stay) and gas 6.
    for (int n = 1; n <= GasCount; ++n) {
        setGasO2(n, source.gasO2(n));
        setGasHe(n, source.gasHe(n));
    }
    bytes_[gas6_O2] = source.bytes_[gas6_O2];
    bytes_[gas6_He] = source.bytes_[gas6_He];

    // Salinity, active mask, change depths, first gas, deco mode.
    for (int at = salinity; at <= deco_type; ++at)
        bytes_[at] = source.bytes_[at];
    for (int k = 1; k <= setpoint_count; ++k)
        setSetpoint(k, source.setpoint(k));

    for (int n = 0; n < CfCount; ++n)
        setCf(n, source.cf(n));

    // Custom text: only a text the user switched on is carried over.
    if (source.bytes_[text_on]) {
        bytes_[text_on] = 1;
        std::memcpy(bytes_ + text, source.bytes_ + text, TextLength);
    } else {
        bytes_[text_on] = 0;
        std::memset(bytes_ + text, '}', TextLength);
    }
    return validate(sink, today);
}

bool ConfigImage::equalForReadback(const ConfigImage& other)
{
    // The device updates its battery statistics on its own, so they never match.
    std::memcpy(bytes_ + BatteryBlockStart, other.bytes_ + BatteryBlockStart,
                BatteryBlockEnd - BatteryBlockStart + 1);
    return *this == other;
}

bool ConfigImage::operator==(const ConfigImage& o) const
{
    return std::memcmp(bytes_, o.bytes_, Size) == 0;
}
