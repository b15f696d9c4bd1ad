#pragma once

#include <QWidget>

class QLabel;

namespace brevora {

struct ClockTexts;

// The main window. For now it shows the clock; the alarm browser and the menus join it later.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    void showClock(const ClockTexts &texts);

private:
    QLabel *m_time;
    QLabel *m_date;
    QLabel *m_weekday;
};

} // namespace brevora
