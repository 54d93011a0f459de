// Start-up anchor: what any Qt program showing the board photograph must do.
// A maximised window with a menu bar decodes the same embedded JPEG (libjpeg,
// straight into an RGB32 image, at its first paint), paints it centred, and
// quits once that first paint is done.
#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

extern const unsigned char BoardPhotoJpeg[];
extern const unsigned long BoardPhotoJpeg_size;

namespace {

struct ErrorJump {
    jpeg_error_mgr pub;
    jmp_buf jump;
};

void OnError(j_common_ptr cinfo)
{
    longjmp(reinterpret_cast<ErrorJump*>(cinfo->err)->jump, 1);
}

QImage DecodePhoto()
{
    jpeg_decompress_struct cinfo;
    ErrorJump err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    QImage image;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return QImage();
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, BoardPhotoJpeg, BoardPhotoJpeg_size);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&cinfo);
    image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return image;
}

class PhotoView : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        if (FPhoto.isNull())
            FPhoto = DecodePhoto();
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.drawImage((width() - FPhoto.width()) / 2, (height() - FPhoto.height()) / 2, FPhoto);
        if (!FPainted) {
            FPainted = true;
            // After this paint has gone to the window system.
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
    }

private:
    QImage FPhoto;
    bool FPainted = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Startup anchor");
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QMenuBar;
    for (const char* title : {"&File", "&Settings", "&Options", "&Help"})
        bar->addMenu(title)->addAction("Entry");
    layout->setMenuBar(bar);
    layout->addWidget(new PhotoView);
    // The size it has when restored, as the board's window has.
    window.setGeometry(384, 152, 873, 776);
    window.showMaximized();
    return app.exec();
}
