#pragma once

#include "XButton.h"

// A number button of the number grid: its title is its cell, its tag the title's value.
// Tells when the pointer enters or leaves it.
class XNumberButton : public XButton
{
    Q_OBJECT
public:
    enum Style : std::uint64_t
    {
        SmallNumberStyle = 0,
        LargeNumberStyle = 1
    };

    explicit XNumberButton(const QRect& frame, QWidget* parent = nullptr);

    std::uint64_t buttonStyle() const { return m_buttonStyle; }
    void setButtonStyle(std::uint64_t style);
    void setTitleNumber(long number);
    // Styles the title by buttonStyle and takes its integer value as the tag.
    void setTitle(const QString& title);
    long tag() const { return m_tag; }

Q_SIGNALS:
    void mouseEntered(XNumberButton* sender);
    void mouseExited(XNumberButton* sender);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::uint64_t m_buttonStyle = SmallNumberStyle;
    long m_tag = 0;
};
