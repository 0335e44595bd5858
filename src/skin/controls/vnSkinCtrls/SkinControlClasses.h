#pragma once
// Makes every skinned control class known to the declared-data loader.
void RegisterSkinControlClasses();
