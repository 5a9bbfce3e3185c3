#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;
class XPlatform;
class XPlaybackControls;

// Keeps a run's view of a panel's window current: whether it is the active window and
// where it is in device pixels, whichever window holds the panel.
class XPanelWindowPublisher : public QObject
{
    Q_OBJECT
public:
    XPanelWindowPublisher(QWidget& panel, XPlatform& platform, std::shared_ptr<XPlaybackControls> controls);
    void publish();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_panel;
    XPlatform& m_platform;
    std::shared_ptr<XPlaybackControls> m_controls;
    QPointer<QWidget> m_watchedWindow;
};
