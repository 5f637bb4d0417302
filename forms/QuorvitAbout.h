#pragma once

#include <QDialog>

class QFrame;
class QLabel;

namespace rorovovo::forms {

// The About box: title and version in the caption, the program's picture and icon, and links to the maker's
// web page, feedback mail and donation page. Created once at start-up and shown modally.
class TFormAbout : public QDialog {
    Q_OBJECT
  public:
    explicit TFormAbout(QWidget* parent = nullptr);

    // The caption for a program of the given title whose executable is at exePath.
    static QString captionFor(const QString& title, const QString& exePath);

  protected:
    void fitTexts();
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* Image1;
    QLabel *Label3, *Label9, *Label2;  // the maker line
    QLabel* Label10;                   // web address link
    QLabel* Label6;
    QLabel* Image2;
    QFrame* Bevel1;
    QLabel* Label4;
    QLabel* Label7;  // feedback mail link
    QLabel* Label5;
    QLabel* Label8;  // donation link, over the blank of Label5

    void FormCreate();
    void FormClick();
    void Label10Click();
    void Label7Click();
    void Label8Click();
};

}  // namespace rorovovo::forms
