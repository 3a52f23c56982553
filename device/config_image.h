// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration image: a byte-exact copy of the OSTC's 768-byte configuration
// memory (three banks of 256 bytes), the built-in table of the 96 custom functions,
// the default image and the checks applied to an image.
//
// Entry points: ConfigImage::defaultImage, resetBattery, checkCf, validate,
// takeUserSettings, equalForReadback, cf/setCf, and the named field accessors.
// Stopping validation errors are thrown as a QString holding the message text.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <cstdint>

class MessageSink;

// One row of the custom-function definitions table.
struct CfDefinition {
    quint32 type;      // 1 int16, 2 int8, 3 tenths, 4 hundredths, 5 percent, 6 time,
                       // 134 signed time, 7 colour, 8 on/off
    quint16 def;       // default raw value
    quint16 min;       // 0 = no lower limit
    quint16 max;       // not greater than min = no upper limit
    const char* label; // at most 17 characters, exact spacing
};

// Type codes of CfDefinition::type.
namespace cf_type
{
enum : quint32 { tInt16 = 1, tInt8, tTenths, tHundredths, tPercent, tTime, tColour, tOnOff };
// A time that may be negative: the time type with bit 7 set.
constexpr quint32 tSignedTime = tTime | 0x80;
} // namespace cf_type

// The custom functions the program reads or writes by name (their numbers in the image).
namespace Cf
{
enum Number : int {
    GfShow = 8,
    Saturation = 11,
    Desaturation = 12,
    NoFlyRatio = 13,
    DecoOffset = 16,
    PpO2Low = 17,
    PpO2High = 18,
    PpO2Show = 19,
    CnsShow = 27,
    LastStop = 29,
    GfLow = 32,
    GfHigh = 33,
    AdjustSetpoint = 39,
    CnsWarning = 44,
    GfWarning = 45,
    PpO2Warning = 46,
    ShallowStopFirst = 54,
    GasSwitchDelay = 55,
    BottomGasUsage = 56,
    AscentGasUsage = 57,
    FutureTts = 58,
};
} // namespace Cf

class ConfigImage
{
public:
    static constexpr int Size = 768;
    static constexpr int BankSize = 256;
    static constexpr int CfCount = 96;
    static constexpr int GasCount = 5;

    // deco_type codes: the model (plain ZH-L16 or gradient factors) and the circuit.
    enum DecoType : int { PlainOc = 0, PlainCcr = 2, GfOc = 4, GfCcr = 5 };
    static bool isCcrType(int decoType) { return decoType == PlainCcr || decoType == GfCcr; }
    static bool isGfType(int decoType) { return decoType == GfOc || decoType == GfCcr; }
    bool isCcr() const { return isCcrType(byte(deco_type)); }
    bool isGfModel() const { return isGfType(byte(deco_type)); }

    // Image offsets of the named fields.
    enum Offset : int {
        serial = 0,          // u16, 0xFFFF blank
        gas1_default_O2 = 4, // gas n default O2 at 4 + 4(n-1), default He +1,
        gas1_O2 = 6,         // current O2 at 6 + 4(n-1), current He +1
        gas6_O2 = 24,
        gas6_He = 25,
        salinity = 26,
        active_gases = 27, // bit n-1 = gas n active
        gas1_depth = 28,   // change depth of gas n at 28 + (n-1)
        first_gas = 33,
        deco_type = 34,
        setpoint1 = 36,      // setpoint k at 36 + (k-1), centibar
        battery_low_mv = 40, // i16
        date_a = 42,
        battery_word = 45, // u16
        last_charge_date = 47,
        cycle_count = 50,       // i16
        total_cycle_count = 52, // i16
        min_temperature = 54,   // i16, tenths of a degree
        date_b = 56,
        max_temperature = 59, // i16, tenths of a degree
        date_c = 61,
        text_on = 64,
        text = 65, // 25 bytes Latin-1, padded with '}'
        cf_count = 92,
        bank1_byte0 = 256,
        firmware_major = 257,
        firmware_minor = 258,
    };
    static constexpr int TextLength = 25;
    static constexpr int BatteryBlockStart = 40;
    static constexpr int BatteryBlockEnd = 63; // inclusive

    ConfigImage(); // all 768 bytes zero

    // The image built at start-up: defaults of every field and CF, battery reset to today.
    static ConfigImage defaultImage(const QDate& today = QDate::currentDate());

    // Raw access.
    const quint8* data() const { return bytes_; }
    quint8* data() { return bytes_; }
    QByteArray toByteArray() const;
    void fromByteArray(const QByteArray& image); // exactly Size bytes, else throws
    QByteArray bank(int b) const;
    void setBank(int b, const QByteArray& bytes); // exactly BankSize bytes
    quint8 byte(int offset) const { return bytes_[offset]; }
    void setByte(int offset, quint8 v) { bytes_[offset] = v; }
    quint16 word(int offset) const;
    void setWord(int offset, quint16 v);
    qint16 signedWord(int offset) const { return static_cast<qint16>(word(offset)); }

    // Gases 1..5, setpoints 1..3.
    quint8 gasO2(int n) const { return bytes_[gas1_O2 + 4 * (n - 1)]; }
    quint8 gasHe(int n) const { return bytes_[gas1_O2 + 1 + 4 * (n - 1)]; }
    void setGasO2(int n, quint8 v) { bytes_[gas1_O2 + 4 * (n - 1)] = v; }
    void setGasHe(int n, quint8 v) { bytes_[gas1_O2 + 1 + 4 * (n - 1)] = v; }
    quint8 gasDefaultO2(int n) const { return bytes_[gas1_default_O2 + 4 * (n - 1)]; }
    quint8 gasDefaultHe(int n) const { return bytes_[gas1_default_O2 + 1 + 4 * (n - 1)]; }
    void setGasDefaultO2(int n, quint8 v) { bytes_[gas1_default_O2 + 4 * (n - 1)] = v; }
    void setGasDefaultHe(int n, quint8 v) { bytes_[gas1_default_O2 + 1 + 4 * (n - 1)] = v; }
    quint8 gasDepth(int n) const { return bytes_[gas1_depth + (n - 1)]; }
    void setGasDepth(int n, quint8 v) { bytes_[gas1_depth + (n - 1)] = v; }
    bool gasActive(int n) const { return (bytes_[active_gases] >> (n - 1)) & 1; }
    void setGasActive(int n, bool on);
    quint8 setpoint(int k) const { return bytes_[setpoint1 + (k - 1)]; }
    void setSetpoint(int k, quint8 cbar) { bytes_[setpoint1 + (k - 1)] = cbar; }

    // Custom text: the characters before the first '}' (empty when the flag is 0).
    QString customText() const;
    // Sets the flag to (text not empty) and the 25 bytes to text padded with '}'.
    void setCustomText(const QString& text);

    // Custom functions 0..95: current value, default, image offset of the entry.
    static int cfOffset(int n) { return 256 * (n / 32) + 128 + 4 * (n % 32); }
    quint16 cf(int n) const { return word(cfOffset(n) + 2); }
    void setCf(int n, quint16 v) { setWord(cfOffset(n) + 2, v); }
    quint16 cfDefault(int n) const { return word(cfOffset(n)); }
    void setCfDefault(int n, quint16 v) { setWord(cfOffset(n), v); }
    static const CfDefinition& cfDefinition(int n);
    static QString cfName(int n); // "CF05"

    // Battery block reset to today's date.
    void resetBattery(const QDate& today = QDate::currentDate());

    // A stored date (month, day, two-digit year) is accepted when month is 1..12, day
    // 1..31 and the year lies between 9 and today's two-digit year.
    static bool isValidDate(int month, int day, int year, const QDate& today);

    // Bit of CfDefinition::type marking a row whose limits are signed 16-bit numbers.
    static constexpr quint32 SignedType = 128;

    // Empty text when raw value v is acceptable for CF n, else the message.
    static QString checkCf(int n, quint16 v);

    // Checks the whole image, writing findings to sink (may be null). Throws a QString
    // ("EEPROM: bad serial", "EEPROM: bad firmware version", "EEPROM: bad deco type").
    bool validate(MessageSink* sink, const QDate& today = QDate::currentDate()) const;

    // Lays the user-editable settings of source over this image; returns validate().
    bool takeUserSettings(const ConfigImage& source, MessageSink* sink,
                          const QDate& today = QDate::currentDate());

    // Copies other's battery block into this image, then compares all 768 bytes.
    bool equalForReadback(const ConfigImage& other);

    bool operator==(const ConfigImage& o) const;
    bool operator!=(const ConfigImage& o) const { return !(*this == o); }

private:
    quint8 bytes_[Size];
};

// A setpoint in bar as profiles and plans hold it: the centibar value divided by 100 in
// double precision, then rounded once to float. Every conversion goes through here, so
// that a setpoint read back from a profile compares equal to the one the engine holds.
inline float setpointBar(int cbar)
{
    return static_cast<float>(cbar / 100.0);
}
