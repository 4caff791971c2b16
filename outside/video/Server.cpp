// The library's entry points and what it registers about its one control class.
#include "platform/com/Server.h"
#include "outside/video/VideoPlayerCtrl.h"
#include "platform/com/ComponentIds.h"

namespace {

using namespace vantorel::com;

constexpr ComponentIdentity kVideoPlayer{
    .clsid = ids::kVideoPlayerClass,
    .dispatchIid = ids::kVideoPlayerDispatch,
    .eventsIid = ids::kVideoPlayerEvents,
    .typeLibId = ids::kVideoPlayerTypeLib,
    .progId = "VANTOREL.VideoPlayer.1",
    .typeName = "Vantorel Video Player",
    .version = "1.0.001",
    .miscStatus = 0x20191,
    .typeLibName = "VIDEOPLAYERLib",
    .typeLibHelp = "Vantorel Video Player",
    .dispatchName = "_DVideoPlayer",
    .eventsName = "_DVideoPlayerEvents",
};
VANTOREL_CHECK_COMPONENT_VERSION(kVideoPlayer, vantorel::video::kVersion);

}  // namespace

VANTOREL_COMPONENT_SERVER(kVideoPlayer, new vantorel::video::CVideoPlayerCtrl)
