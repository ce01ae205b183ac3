// A status bar panel: a text that reports a click on it.
#pragma once

#include <QLabel>

namespace qev {

class StatusPanel : public QLabel {
    Q_OBJECT

public:
    explicit StatusPanel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace qev
