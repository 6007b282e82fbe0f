// What the plug-in tells a host about the effect: once overall (Describe)
// and once per context it supports (DescribeInContext).
//
// One image effect, "K_ColBalance" in the "Kestro" group, in two contexts:
// Filter (a Source clip) and General (Source and an optional Mask clip whose
// alpha blends the effect with the source, white keeping the effect).
// Byte, short and float RGBA (or RGB) images, tiles of any size, whole
// frames of fielded material, and renders from any number of threads at
// once: the effect is pointwise and keeps no state between renders.
#pragma once

#include "ofxCore.h"
#include "ofxImageEffect.h"

// The plug-in's identifier: the maker's and the family's names.
inline constexpr const char* kColBalanceOfxId = "com.quorrel.kestro.ColBalance";
inline constexpr unsigned kColBalanceOfxVersionMajor = 1;
inline constexpr unsigned kColBalanceOfxVersionMinor = 0;
// The General context's mask clip.
inline constexpr const char* kColBalanceOfxMaskClip = "Mask";

class ColBalanceOfxDescriptor {
public:
    static OfxStatus describe(OfxImageEffectHandle effect);
    static OfxStatus describeInContext(OfxImageEffectHandle effect, OfxPropertySetHandle inArgs);
};
