#pragma once

// Registers the images (":/Images/..."), the style sheets (":/Styles/...") and the two catalogues
// (":/Chinese", ":/English") of the static zel_resources library; call once before the first
// window. Safe to repeat.
void initZelResources();
