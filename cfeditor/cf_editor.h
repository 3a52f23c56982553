// SPDX-License-Identifier: GPL-3.0-or-later
// The custom function editor: a dialog with all 96 custom functions of a configuration
// image, one editor widget per function chosen by its type, the custom text, and the
// marks for values that differ from the factory default or fail the function's check.
//
// Entry points: CF_Editor_Interface::loadFromImage, applyToImage, validateSlot, resetSlot,
// rawValue.
#pragma once

#include "device/config_image.h"

#include <QDialog>
#include <array>
#include <memory>
#include <optional>

class MessageSink;
class QLabel;
namespace Ui
{
class CF_Editor_Dialog;
}

class CF_Editor_Interface : public QDialog
{
    Q_OBJECT
public:
    explicit CF_Editor_Interface(QWidget* parent = nullptr);
    ~CF_Editor_Interface() override;

    // Every widget from the image: CF values, header and custom text.
    void loadFromImage(const ConfigImage& image);
    // Custom text and every CF value into the image, then the image's validation with
    // its findings written to sink.
    void applyToImage(ConfigImage& image, MessageSink* sink) const;

    // The raw 16-bit value the dialog holds for CF n.
    quint16 rawValue(int n) const;
    QLabel* cfLabel(int n) const { return labels_[static_cast<size_t>(n)]; }
    QWidget* cfWidget(int n) const { return widgets_[static_cast<size_t>(n)]; }

public slots:
    // Bold labels for values off their default, red values with the check's message.
    void validateSlot();
    // Every CF back to its table default, the custom text cleared.
    void resetSlot();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildRows();
    void retranslate();
    void showHeader();
    quint16 widgetValue(int n) const;
    void setWidgetValue(int n, quint16 raw);
    void markLabel(int n, quint16 raw);
    void markValue(int n, const QString& message, const QString& style);

    std::unique_ptr<Ui::CF_Editor_Dialog> ui_;
    std::array<QLabel*, ConfigImage::CfCount> labels_{};
    std::array<QWidget*, ConfigImage::CfCount> widgets_{};
    // A value its widget cannot show (out of the widget's range) is kept as loaded for
    // as long as the widget still shows what it showed after loading.
    struct Kept {
        quint16 raw;
        quint16 shown;
    };
    std::array<std::optional<Kept>, ConfigImage::CfCount> kept_{};
    bool loading_ = false;
    quint16 serial_ = 0xFFFF;
    int firmwareMajor_ = 0;
    int firmwareMinor_ = 0;
};
