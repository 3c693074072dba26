#include "ui/main/application.h"
#include "ui/main/commandline.h"
#include "ui/main/form1.h"

int main(int argc, char **argv)
{
    QuorvelApplication app(argc, argv);
    // --lang chooses the windows' language; --help, --version and a bad option end here.
    if (const auto status = commandline::apply(QCoreApplication::arguments()))
        return *status;

    Form1 window;
    window.show();
    return app.exec();
}
