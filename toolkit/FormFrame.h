#pragma once
// The top-level widget of a form: reports activation, moves, resizes, the
// close box and keys to its form. The pointer is the pointer owner's.
#include <QWidget>

class TForm;

class TkFormFrame : public QWidget {
public:
    explicit TkFormFrame(TForm* form);
    TForm* Form() const { return FForm; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TForm* FForm;
};
