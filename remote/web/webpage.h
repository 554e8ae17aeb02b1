#pragma once

// Registers the web page's files under ":/web/" (index.html, app.css, app.js) from the
// static zel_webpage library; call once before serving. Safe to repeat.
void initWebPage();
