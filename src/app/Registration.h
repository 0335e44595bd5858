#pragma once
// Makes every class the product's declared data names known to the loader, and the
// embedded forms and pictures available. Called once at start-up (and by tests).
void RegisterQuiraClasses();
