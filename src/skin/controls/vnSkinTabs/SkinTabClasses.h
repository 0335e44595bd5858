#pragma once
// Registers the page control and its sheets with the form loader.
void RegisterSkinTabClasses();
