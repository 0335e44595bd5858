// Opens the photo preview of one chosen photo, as a double click on a grid row does, on
// the web site of the built-in web host, and saves a picture of the window once the page
// has loaded (or failed: the engine's error page is what a user would see then).
//
// Usage: previewshot ID OUT.png   (on a display or under Xvfb; exit 1 when no picture)
#include "app/Registration.h"
#include "app/WebEngine.h"
#include "app/uVerImg/WebBrowser.h"
#include "app/uVerImg/uVerImg.h"
#include "framework/Application.h"
#include "framework/Form.h"

#include <QTimer>
#include <QWebEngineView>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ID OUT.png\n", argv[0]);
        return 2;
    }
    PrepareWebEngine();
    TQtApplication app(argc, argv);
    RegisterQuiraClasses();
    const QString id = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);

    // The preview's owner stands for the main window, which is the program's first form.
    TForm owner(nullptr);
    bool saved = false;
    // Until the page has loaded the window is watched; a page that never answers ends
    // the wait after a while, with the picture of what is shown by then.
    QTimer::singleShot(0, [&] {
        TfrmVerImg* form = frmVerImg;
        if (!form) return;
        auto take = [&saved, form, out] {
            QTimer::singleShot(700, form, [&saved, form, out] {
                saved = form->grab().save(out);
                form->Close();
            });
        };
        QObject::connect(form->WebBrowser1->View(), &QWebEngineView::loadFinished, form, take);
        QTimer::singleShot(20000, form, [&saved, form, out] {
            if (!saved) saved = form->grab().save(out);
            form->Close();
        });
    });
    ShowPhotoPreview(&owner, id);
    if (!saved) {
        std::fprintf(stderr, "%s: no picture saved to %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
