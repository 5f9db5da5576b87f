#pragma once
// The 26 boxes of the window by what they show. Box n is Text<n>.

namespace capset {

inline constexpr int kBoxCount = 26;

namespace box {

// What Start echoes.
inline constexpr int kZHStation = 1;  // also a ZH station that rounds to 0
inline constexpr int kHZStation = 2;
inline constexpr int kZHX = 3;
inline constexpr int kHZX = 4;
inline constexpr int kZHY = 5;
inline constexpr int kHZY = 6;
inline constexpr int kZHAzimuth = 7;
inline constexpr int kHZAzimuth = 8;
inline constexpr int kRadius = 9;
inline constexpr int kSkew = 11;        // B, packed as typed, with its mark
inline constexpr int kDeflection = 12;  // 正偏 or 反偏
inline constexpr int kA1 = 22;
inline constexpr int kDesignStation = 26;  // Kj

// What a solver writes: the thirteen result boxes.
inline constexpr int kDR = 10;
inline constexpr int kCentreStation = 13;
inline constexpr int kOuterX = 14;
inline constexpr int kOuterY = 15;
inline constexpr int kOuterLength = 16;
inline constexpr int kInnerX = 17;
inline constexpr int kInnerY = 18;
inline constexpr int kInnerLength = 19;
inline constexpr int kOuterStation = 20;
inline constexpr int kInnerStation = 21;
inline constexpr int kCentreX = 23;
inline constexpr int kCentreY = 24;
inline constexpr int kPrecision = 25;

// The result boxes in the order a solver writes them.
inline constexpr int kResults[] = {kCentreStation, kDR,     kPrecision,   kCentreX,     kCentreY,
                                   kInnerStation,  kInnerX, kInnerY,      kInnerLength, kOuterStation,
                                   kOuterX,        kOuterY, kOuterLength};

}  // namespace box
}  // namespace capset
