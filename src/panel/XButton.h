#pragma once

#include <QColor>
#include <QPushButton>

// A push button drawn as a filled, rounded shape with a bold centred title.
class XButton : public QPushButton
{
    Q_OBJECT
public:
    explicit XButton(QWidget* parent = nullptr);
    XButton(const QString& title, QWidget* parent = nullptr);

    QColor bgColor() const { return m_bgColor; }
    void setBgColor(const QColor& color);
    void setCornerRadius(double radius);
    void setTitleColor(const QColor& color);
    QColor titleColor() const { return m_titleColor; }
    // Helvetica-Bold at the pixel size, or the bold system font where it is missing.
    static QFont boldFont(int pixelSize);
    // As narrow as its title allows: the style's least width for push buttons is wider
    // than most titles, and made small screens scroll sideways.
    QSize minimumSizeHint() const override;

protected:
    void setupButton();
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_bgColor = Qt::transparent;
    QColor m_titleColor = Qt::black;
    double m_cornerRadius = 0;
};
