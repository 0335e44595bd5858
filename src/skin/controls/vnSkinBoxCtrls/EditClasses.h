#pragma once
// Registers the edits and the skinned popup menu with the form loader.
void RegisterSkinEditClasses();
