#include "platform/actions/local_transport.h"

namespace orvo::actions {

nlohmann::ordered_json to_json(const AppliedChange& change) {
  return {{"kind", change.kind}, {"applied", change.label}, {"heads", change.heads}};
}

}  // namespace orvo::actions
