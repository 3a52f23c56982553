// SPDX-License-Identifier: GPL-3.0-or-later
// The custom function editor. The form holds the fixed frame (header, three tabs, the
// custom text, the buttons); the 96 rows are built here from the CF table, so that a
// function's widget, its conversion between raw and shown value and its marks all follow
// from its table row.
//
// Entry points: CF_Editor_Interface::loadFromImage, applyToImage, validateSlot, resetSlot.
#include "cfeditor/cf_editor.h"

#include "cfeditor/color_picker.h"
#include "device/message_sink.h"
#include "ui_cf_editor.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTimeEdit>

namespace
{

using namespace cf_type;

const QString loaded_error_style = QStringLiteral("* {color: red; font: bold}");
const QString error_style = QStringLiteral("* { color: red; font: bold}");
const QString changed_style = QStringLiteral("* { font: bold}");

constexpr int max_time_minutes = 23 * 60 + 59; // the time editor shows hh:mm of one day

quint32 typeOf(int n)
{
    return ConfigImage::cfDefinition(n).type;
}

// Restyling a widget is slow; validation runs on every keystroke, so only real
// changes are applied.
void restyle(QWidget* w, const QString& style)
{
    if (w->styleSheet() != style)
        w->setStyleSheet(style);
}

void retip(QWidget* w, const QString& tip)
{
    if (w->toolTip() != tip)
        w->setToolTip(tip);
}

} // namespace

CF_Editor_Interface::CF_Editor_Interface(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CF_Editor_Dialog>())
{
    ui_->setupUi(this);
    buildRows();
    ui_->tabWidget->setCurrentIndex(0);

    // The device shows Latin-1; '}' pads the stored text and would cut it short.
    ui_->customText->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x{20}-\\x{7C}\\x{7E}\\x{A0}-\\x{FF}]*")), this));

    connect(ui_->buttonBox->button(QDialogButtonBox::RestoreDefaults), &QAbstractButton::clicked,
            this, &CF_Editor_Interface::resetSlot);
    retranslate();
}

CF_Editor_Interface::~CF_Editor_Interface() = default;

void CF_Editor_Interface::buildRows()
{
    QGridLayout* grids[] = {ui_->grid1, ui_->grid2, ui_->grid3};
    for (int n = 0; n < ConfigImage::CfCount; ++n) {
        QGridLayout* grid = grids[n / 32];
        QWidget* tab = grid->parentWidget();
        const quint32 type = typeOf(n);
        const QString name = ConfigImage::cfName(n);

        auto* label = new QLabel(tab);
        label->setObjectName(name + QStringLiteral("_label"));

        QWidget* widget = nullptr;
        switch (type) {
        case tTenths:
        case tHundredths: {
            auto* box = new QDoubleSpinBox(tab);
            box->setDecimals(type == tTenths ? 1 : 2);
            box->setRange(0.0, type == tTenths ? 25.5 : 2.55);
            box->setSingleStep(type == tTenths ? 0.1 : 0.01);
            connect(box, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this,
                    &CF_Editor_Interface::validateSlot);
            widget = box;
            break;
        }
        case tTime:
        case tSignedTime: {
            auto* edit = new QTimeEdit(tab);
            edit->setDisplayFormat(QStringLiteral("hh:mm"));
            connect(edit, &QTimeEdit::timeChanged, this, &CF_Editor_Interface::validateSlot);
            widget = edit;
            break;
        }
        case tColour:
            widget = new ColorPicker(tab);
            break;
        case tOnOff: {
            auto* box = new QComboBox(tab);
            box->setObjectName(QStringLiteral("CF bool"));
            box->setEditable(false);
            box->addItems({QStringLiteral("OFF"), QStringLiteral("ON")});
            connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                    &CF_Editor_Interface::validateSlot);
            widget = box;
            break;
        }
        default: { // integers and percentages
            auto* box = new QSpinBox(tab);
            box->setRange(0, type == tInt16 ? 32767 : 255);
            if (type == tPercent)
                box->setSuffix(QStringLiteral(" %"));
            connect(box, QOverload<int>::of(&QSpinBox::valueChanged), this,
                    &CF_Editor_Interface::validateSlot);
            widget = box;
            break;
        }
        }
        if (widget->objectName().isEmpty())
            widget->setObjectName(name);

        const int k = n % 32;
        const int column = k < 16 ? 0 : 2;
        grid->addWidget(label, k % 16, column);
        grid->addWidget(widget, k % 16, column + 1);
        labels_[size_t(n)] = label;
        widgets_[size_t(n)] = widget;
    }
    for (QGridLayout* grid : grids) {
        // A gap between the two label/value columns; spare height goes below the rows.
        grid->setColumnMinimumWidth(1, 90);
        grid->setColumnMinimumWidth(3, 90);
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        grid->setRowStretch(16, 1);
    }
}

// ---- raw value <-> widget ------------------------------------------------------------

quint16 CF_Editor_Interface::widgetValue(int n) const
{
    QWidget* w = widgets_[size_t(n)];
    switch (typeOf(n)) {
    case tTenths:
        return quint16(qRound(static_cast<QDoubleSpinBox*>(w)->value() * 10));
    case tHundredths:
        return quint16(qRound(static_cast<QDoubleSpinBox*>(w)->value() * 100));
    case tTime:
    case tSignedTime: {
        const QTime t = static_cast<QTimeEdit*>(w)->time();
        return quint16(t.hour() * 60 + t.minute());
    }
    case tColour:
        return ColorPicker::colorToRaw(static_cast<ColorPicker*>(w)->color());
    case tOnOff:
        return quint16(qMax(0, static_cast<QComboBox*>(w)->currentIndex()));
    default:
        return quint16(static_cast<QSpinBox*>(w)->value());
    }
}

void CF_Editor_Interface::setWidgetValue(int n, quint16 raw)
{
    QWidget* w = widgets_[size_t(n)];
    const quint32 type = typeOf(n);
    switch (type) {
    case tTenths:
        static_cast<QDoubleSpinBox*>(w)->setValue(raw * 0.1);
        break;
    case tHundredths:
        static_cast<QDoubleSpinBox*>(w)->setValue(raw * 0.01);
        break;
    case tTime:
    case tSignedTime: {
        const int v = type & ConfigImage::SignedType ? int(qint16(raw)) : int(raw);
        const int minutes = qBound(0, v, max_time_minutes);
        static_cast<QTimeEdit*>(w)->setTime(QTime(minutes / 60, minutes % 60));
        break;
    }
    case tColour:
        static_cast<ColorPicker*>(w)->setColor(ColorPicker::rawToColor(quint8(raw & 0xFF)));
        break;
    case tOnOff:
        static_cast<QComboBox*>(w)->setCurrentIndex(raw ? 1 : 0);
        break;
    default:
        static_cast<QSpinBox*>(w)->setValue(raw);
        break;
    }
}

quint16 CF_Editor_Interface::rawValue(int n) const
{
    const quint16 shown = widgetValue(n);
    const std::optional<Kept>& kept = kept_[size_t(n)];
    return kept && kept->shown == shown ? kept->raw : shown;
}

// ---- load, marks, reset, apply -------------------------------------------------------

void CF_Editor_Interface::loadFromImage(const ConfigImage& image)
{
    loading_ = true;
    for (int n = 0; n < ConfigImage::CfCount; ++n) {
        const quint16 raw = image.cf(n);
        setWidgetValue(n, raw);
        const quint16 shown = widgetValue(n);
        kept_[size_t(n)] = shown == raw ? std::nullopt : std::optional<Kept>(Kept{raw, shown});
        if (typeOf(n) == tColour)
            continue; // no limits, and the swatch keeps its own tool tip
        markValue(n, ConfigImage::checkCf(n, raw), loaded_error_style);
        markLabel(n, raw);
    }
    loading_ = false;

    serial_ = image.word(ConfigImage::serial);
    firmwareMajor_ = image.byte(ConfigImage::firmware_major);
    firmwareMinor_ = image.byte(ConfigImage::firmware_minor);
    showHeader();
    ui_->customText->setText(image.customText());
}

void CF_Editor_Interface::markValue(int n, const QString& message, const QString& style)
{
    QWidget* w = widgets_[size_t(n)];
    QString tip;
    if (!message.isEmpty()) {
        tip = QStringLiteral("<html>") + message + QStringLiteral("</html>");
    } else if (kept_[size_t(n)] && rawValue(n) == kept_[size_t(n)]->raw) {
        // Without this the widget would show a value other than the one it keeps.
        const quint16 raw = kept_[size_t(n)]->raw;
        const QString v = typeOf(n) & ConfigImage::SignedType ? QString::number(qint16(raw))
                                                              : QString::number(raw);
        tip = QStringLiteral("<html>") + tr("value %1 is kept: it cannot be shown here").arg(v) +
              QStringLiteral("</html>");
    }
    restyle(w, message.isEmpty() ? QString() : style);
    retip(w, tip);
}

void CF_Editor_Interface::markLabel(int n, quint16 raw)
{
    restyle(labels_[size_t(n)],
            raw != ConfigImage::cfDefinition(n).def ? changed_style : QString());
}

void CF_Editor_Interface::validateSlot()
{
    if (loading_)
        return;
    for (int n = 0; n < ConfigImage::CfCount; ++n) {
        if (typeOf(n) == tColour)
            continue;
        const quint16 raw = rawValue(n);
        markLabel(n, raw);
        markValue(n, ConfigImage::checkCf(n, raw), error_style);
    }
}

void CF_Editor_Interface::resetSlot()
{
    loading_ = true;
    for (int n = 0; n < ConfigImage::CfCount; ++n) {
        kept_[size_t(n)].reset();
        setWidgetValue(n, ConfigImage::cfDefinition(n).def);
    }
    loading_ = false;
    ui_->customText->clear();
    validateSlot();
}

void CF_Editor_Interface::applyToImage(ConfigImage& image, MessageSink* sink) const
{
    const QString text = ui_->customText->text();
    if (!text.isEmpty()) {
        image.setCustomText(text); // flag 1, Latin-1, padded with '}'
    } else {
        image.setByte(ConfigImage::text_on, 0);
        image.setByte(ConfigImage::text, 0);
    }
    for (int n = 0; n < ConfigImage::CfCount; ++n)
        image.setCf(n, rawValue(n));

    // The findings go to the console; an image the device would refuse is reported in
    // red here rather than escaping the dialog as an unhandled error.
    try {
        image.validate(sink);
    } catch (const QString& error) {
        if (sink)
            sink->message(QStringLiteral("<font color='red'><b>%1</b></font>").arg(error));
    }
}

// ---- texts ---------------------------------------------------------------------------

void CF_Editor_Interface::showHeader()
{
    if (serial_ == 0xFFFF)
        ui_->header->setText(tr("OSTC <i>serial not loaded</i>", "EEPROM"));
    else
        ui_->header->setText(tr("OSTC %1 V%2.%3")
                                 .arg(serial_)
                                 .arg(firmwareMajor_)
                                 .arg(firmwareMinor_, 2, 10, QLatin1Char('0')));
}

void CF_Editor_Interface::retranslate()
{
    for (int n = 0; n < ConfigImage::CfCount; ++n) {
        const QString label = QCoreApplication::translate("CF menu (15 char max)",
                                                          ConfigImage::cfDefinition(n).label);
        labels_[size_t(n)]->setText(
            QStringLiteral("%2 (CF%1)").arg(n, 2, 10, QLatin1Char('0')).arg(label));
    }
    showHeader();
}

void CF_Editor_Interface::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui_->retranslateUi(this);
        retranslate();
        validateSlot(); // the check's messages in the new language
    }
    QDialog::changeEvent(event);
}
