#include "render/Resources.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitRenderResourcesOnce() { Q_INIT_RESOURCE(render_resources); }

namespace sumcraft {

void InitRenderResources() {
  static const bool done = [] {
    InitRenderResourcesOnce();
    return true;
  }();
  (void)done;
}

}  // namespace sumcraft
