#pragma once

#include <cstdint>

// Codec identifier the job uses for Xvid, which has no AVCodecID of its own today: MPEG-4 part 2
// through libxvid when present, else the built-in MPEG-4 encoder tagged "XVID".
inline constexpr std::int32_t kCodecIdXvid = 0x58564944;  // 'XVID'
