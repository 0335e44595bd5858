#pragma once
// The accessible interfaces of the skinned controls that are one object each: buttons,
// check and radio boxes, labels, panels and group boxes, scroll bars, the progress gauge
// and the edits' frames.

#include <QAccessibleWidget>

class TvnSkinButton;
class TvnSkinCheckRadioBox;
class TvnSkinScrollBar;
class TvnSkinGauge;

namespace vnaccess {

// A control whose name is its caption or describing label, asked anew each time (the
// main window puts the counts into its captions).
class TvnAccessibleControl : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    QString text(QAccessible::Text t) const override;
};

class TvnAccessibleButton : public TvnAccessibleControl {
public:
    explicit TvnAccessibleButton(TvnSkinButton* button);
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    TvnSkinButton* Button() const;
};

class TvnAccessibleCheckBox : public TvnAccessibleControl {
public:
    explicit TvnAccessibleCheckBox(TvnSkinCheckRadioBox* box);
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    TvnSkinCheckRadioBox* Box() const;
};

// Scroll bar and gauge: a value between two bounds; only the scroll bar takes one.
class TvnAccessibleRange : public TvnAccessibleControl, public QAccessibleValueInterface {
public:
    TvnAccessibleRange(QWidget* control, QAccessible::Role role);
    void* interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;
};

} // namespace vnaccess
