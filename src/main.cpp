// The game: the whole run happens in ApplicationEntry; this only chooses the real platform.
// There is no command line. The process exits with the entry's result (E_FAIL shows as 5).
#include "app/Entry.h"
#include "content/fields/FieldFactory.h"
#include "platform/sdl/SdlPlatform.h"

int main() {
    platform::SdlPlatform sdl;
    platform::Services services = sdl.services();
    LaunchOptions options;
    options.makeTitle = MakeTitle;
    return ApplicationEntry(services, options);
}
