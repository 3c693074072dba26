#include "ui/main/application.h"
#include "ui/main/form1.h"

int main(int argc, char **argv)
{
    QuorvelApplication app(argc, argv);
    Form1 window;
    window.show();
    return app.exec();
}
