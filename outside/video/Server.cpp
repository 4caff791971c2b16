// The library's entry points and what it registers about its one control class.
#include "platform/com/Server.h"
#include "outside/video/VideoPlayerCtrl.h"
#include "platform/com/ComponentIds.h"

namespace {

using namespace vantorel::com;

const ComponentIdentity kVideoPlayer{ids::kVideoPlayerClass,
                                     ids::kVideoPlayerDispatch,
                                     ids::kVideoPlayerEvents,
                                     ids::kVideoPlayerTypeLib,
                                     "VANTOREL.VideoPlayer.1",
                                     "Vantorel Video Player",
                                     "1.0.001",
                                     0x20191,
                                     "VIDEOPLAYERLib",
                                     "Vantorel Video Player",
                                     "_DVideoPlayer",
                                     "_DVideoPlayerEvents"};

}  // namespace

VANTOREL_COMPONENT_SERVER(kVideoPlayer, new vantorel::video::CVideoPlayerCtrl)
