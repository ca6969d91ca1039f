// The toolkit's floor for the start-up benchmark: a bare Qt window of the
// game's window size, shown as soon as the application object exists.
//   zindo_bare_window [WIDTH HEIGHT]       (default 1011 694)

#include <QApplication>
#include <QWidget>

#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int width = argc > 2 ? std::atoi(argv[1]) : 1011;
    const int height = argc > 2 ? std::atoi(argv[2]) : 694;
    QWidget window;
    window.resize(width, height);
    window.show();
    return app.exec();
}
