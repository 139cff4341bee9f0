#pragma once

inline constexpr char kProgramName[] = "Tamaris";
inline constexpr char kProgramVersion[] = "1.5K";
inline constexpr char kProgramTitle[] = "Tamaris v1.5K";
