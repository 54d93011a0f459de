// Popup anchor: a maximised window whose one spot, when the pointer enters it,
// shows a small stay-on-top tool window with a text and a button (built the
// first time, shown again later); leaving the spot hides it. The probe times
// pointer enter to the tool window's pixels on the X server, as it does for
// the board's rings.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// Client coordinates of the spot and of the tool window (the probe uses them).
constexpr int kSpotX = 200, kSpotY = 200, kSpotW = 84, kSpotH = 114;
constexpr int kPopupX = 400, kPopupY = 200;

class Spot : public QWidget {
public:
    explicit Spot(QWidget* parent) : QWidget(parent)
    {
        setGeometry(kSpotX, kSpotY, kSpotW, kSpotH);
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(230, 200, 40));
        setPalette(pal);
    }

protected:
    void enterEvent(QEnterEvent*) override
    {
        if (!FPopup) {
            FPopup = new QWidget(window(), Qt::Tool | Qt::WindowStaysOnTopHint);
            FPopup->setWindowTitle("Anchor popup");
            auto* layout = new QVBoxLayout(FPopup);
            auto* text = new QLabel("The USB connector on this board is a USB type B socket.");
            text->setWordWrap(true);
            layout->addWidget(text);
            layout->addWidget(new QPushButton("Done"));
            FPopup->resize(250, 120);
            const QPoint origin = window()->mapToGlobal(QPoint(kPopupX, kPopupY));
            FPopup->move(origin);
        }
        FPopup->show();
    }
    void leaveEvent(QEvent*) override
    {
        if (FPopup)
            FPopup->hide();
    }

private:
    QWidget* FPopup = nullptr;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Popup anchor");
    new Spot(&window);
    window.setGeometry(384, 152, 873, 776);
    window.showMaximized();
    return app.exec();
}
