// The animated GIF writer of the Aztec sequence, and its installation as the encoder the
// document calls.
#pragma once

#include <string>

#include "export/byte_sink.h"
#include "symbologies/aztec/aztec_animation.h"

namespace tsy {

// GIF89a with a global black-and-white table, a NETSCAPE2.0 repeat count of loops - 1 (0 for
// ever; none when loops is 1) and per frame a graphic control block with disposal 2 and the
// delay. False, with the reason in *error, for frames outside the strip or an encoder failure.
bool WriteGifAnimation(const GifAnimation& animation, ByteSink& out, std::string* error);

// Makes the animated Aztec documents write through WriteGifAnimation.
void InstallGifAnimationWriter();

}  // namespace tsy
