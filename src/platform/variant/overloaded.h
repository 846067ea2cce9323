#pragma once

namespace orvo {

// A visitor made of lambdas, one per alternative of a variant.
template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};

}  // namespace orvo
