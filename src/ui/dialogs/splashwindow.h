// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QFrame;
class QTimer;

namespace brevora {

// The splash window: the product's name, version and logo while start-up finishes. After five seconds, or at the
// first click or key, it goes and hands over, once, with the hide setting read from its file.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SplashWindow(const QString &settingsFolder, QWidget *parent = nullptr);

    bool handedOver() const { return m_handedOver; }

signals:
    // Start-up is over: the program runs hidden when `hide` is set, with its main window otherwise.
    void startUpEnded(bool hide);

public slots:
    void handOver();

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *addLabel(const char *name, const QString &text, const QRect &geometry, const QFont &font,
                     Qt::Alignment alignment = Qt::AlignLeft);

    QString m_settingsFolder;
    QFrame *m_frame;
    QTimer *m_timer;
    bool m_handedOver = false;
};

} // namespace brevora
