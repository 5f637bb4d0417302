#pragma once

#include <QDialog>

class QLabel;

namespace rorovovo::forms {

class BevelPanel;

// The interpretation of today's physical, emotional and intellectual state; shown beside the main window, never
// modal. It lives for the whole run and is only shown and hidden.
class TFormInterpret : public QDialog {
    Q_OBJECT
  public:
    explicit TFormInterpret(QWidget* parent = nullptr);

    // Shows the three texts under this caption, with the greeting on a birthday, and brings the window up.
    void showTexts(const QString& caption, const QString& physical, const QString& emotional,
                   const QString& intellectual, bool birthday);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // Click on the window's own background: closes (hides) the window.
    void FormClick();
    // The caption, with the window made wide enough for a window manager to show it whole (it cuts a long one in
    // the middle, where the date is); never narrower than designed.
    void setCaption(const QString& caption);

    BevelPanel* Bevel1;
    QLabel *Label1, *Label2, *Label3;  // headings
    QLabel *Label4, *Label5, *Label6;  // physical, emotional, intellectual text
    QLabel* LabelGreeting;             // shown only on the person's birthday

    bool onBackground(const QPoint& pos) const;
    bool pressedOnBackground_ = false;
};

}  // namespace rorovovo::forms
