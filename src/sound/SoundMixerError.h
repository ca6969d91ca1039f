#pragma once

#include "data/QzError.h"

namespace zindo {

/// A failure of the wave mixer or of loading a wave. The message is what the
/// player sees after "Sound error: ".
class ESoundMixerError : public EQzError {
public:
    using EQzError::EQzError;
};

} // namespace zindo
