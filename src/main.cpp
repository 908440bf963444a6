#include "app/Application.h"
#include "app/ImportCommand.h"

int main(int argc, char* argv[])
{
    // A scripted import runs where there is no display.
    if (ImportCommand::isRequested(argc, argv))
        ImportCommand::useOffscreenPlatform();
    Application app(argc, argv);
    return app.run();
}
