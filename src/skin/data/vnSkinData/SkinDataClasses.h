#pragma once
// Registers the skin store's component classes with the declared-data loader
// (TvnSkinData, TvnCompressedStoredSkin, TvnCompressedSkinList, TvnResourceStrData).
// Called once at start-up, like every layer's registration.
void RegisterSkinDataClasses();
