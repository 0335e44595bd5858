#pragma once
// The skin store module: include this to use the store and its records.
#include "CompressedSkinList.h"
#include "CompressedStoredSkin.h"
#include "ControlSkins.h"
#include "FrameObjects.h"
#include "OtherControlSkins.h"
#include "ResourceStrData.h"
#include "SkinData.h"
#include "SkinDataClasses.h"
