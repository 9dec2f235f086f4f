#include "app/Program.h"
#include "platform/Prompts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orvella::installQtPrompter();
    orvella::Program program;
    if (const auto code = program.start())
        return *code;
    return app.exec();
}
