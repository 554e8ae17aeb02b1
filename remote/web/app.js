// The routing page for tablets and phones. Tap a source, then one or more outputs.
// Every change arrives on the event stream; the page keeps no state the server does not.
'use strict';

(function () {
  const api = '/api/v1';
  const kindTitles = {
    video: 'Video',
    audio: 'Audio',
    hdmiAudio: 'HDMI Audio',
    infrared: 'Infrared',
    audio0808s: 'Audio Matrix',
    splitter: 'Splitter Areas',
  };
  const connectionTexts = {
    connected: 'Connected',
    connecting: 'Connecting',
    disconnected: 'Disconnected',
  };

  const state = {
    texts: {},
    session: null,
    device: null,
    page: null, // a kind key, "plans" or "salvos"
    selected: {}, // kind -> the source tapped last
    staged: [],
    armed: null, // the plan or salvo button waiting for its second tap
    events: null,
    retry: null,
  };

  const $ = (id) => document.getElementById(id);

  function tr(text, ...args) {
    let out = state.texts[text] || text;
    args.forEach((arg, i) => {
      out = out.split('%' + (i + 1)).join(String(arg));
    });
    return out;
  }

  function applyTexts() {
    document.querySelectorAll('[data-text]').forEach((el) => {
      el.textContent = tr(el.dataset.text);
    });
  }

  function pageLanguage() {
    const asked = new URLSearchParams(location.search).get('lang');
    return asked === 'zh' || asked === 'en' ? asked : '';
  }

  // --- talking to the server ---------------------------------------------------------

  class ApiError extends Error {
    constructor(status, body) {
      super((body && body.message) || String(status));
      this.status = status;
      this.code = body && body.error;
    }
  }

  async function call(method, path, body) {
    const headers = { Accept: 'application/json' };
    if (body !== undefined) headers['Content-Type'] = 'application/json';
    if (method !== 'GET' && state.session) headers['X-CSRF-Token'] = state.session.csrf;
    let response;
    try {
      response = await fetch(api + path, {
        method,
        headers,
        credentials: 'same-origin',
        body: body === undefined ? undefined : JSON.stringify(body),
      });
    } catch (e) {
      showLost(true);
      throw new ApiError(0, { error: 'network', message: tr('The server is not answering. Reconnecting...') });
    }
    let data = null;
    try {
      data = await response.json();
    } catch (e) {
      data = null;
    }
    if (!response.ok) {
      if (response.status === 401 && path !== '/login') showLogin();
      throw new ApiError(response.status, data);
    }
    return data || {};
  }

  async function loadTexts() {
    const lang = pageLanguage();
    try {
      const data = await call('GET', '/texts' + (lang ? '?lang=' + lang : ''));
      state.texts = data.texts || {};
      if (data.lang) document.documentElement.lang = data.lang === 'zh' ? 'zh-CN' : 'en';
    } catch (e) {
      state.texts = {};
    }
    applyTexts();
  }

  // --- log in and out ----------------------------------------------------------------

  function showLogin(message) {
    closeEvents();
    // It answered, so it is not lost: it only wants a login again.
    showLost(false);
    state.session = null;
    state.device = null;
    $('app').hidden = true;
    $('login').hidden = false;
    $('login-error').textContent = message || '';
    $('login-password').value = '';
    $('login-user').focus();
  }

  async function logIn(event) {
    event.preventDefault();
    $('login-error').textContent = '';
    $('login-button').disabled = true;
    try {
      const body = {
        user: $('login-user').value.trim(),
        password: $('login-password').value,
        bearer: false,
      };
      // A language picked in the address also names the ports and refusals.
      if (pageLanguage()) body.language = pageLanguage();
      const session = await call('POST', '/login', body);
      $('login-password').value = '';
      await start(session);
    } catch (e) {
      $('login-error').textContent = e.status === 0 ? tr('The server is not answering. Reconnecting...') : e.message;
    } finally {
      $('login-button').disabled = false;
    }
  }

  async function logOut() {
    try {
      await call('POST', '/logout', {});
    } catch (e) {
      // Logged out either way.
    }
    showLogin();
  }

  async function start(session) {
    state.session = session;
    $('login').hidden = true;
    $('app').hidden = false;
    $('user-name').textContent = session.user || '';
    say('');
    await refreshDevice();
    openEvents();
  }

  // --- the event stream --------------------------------------------------------------

  function closeEvents() {
    if (state.events) state.events.close();
    state.events = null;
    clearTimeout(state.retry);
    state.retry = null;
  }

  function openEvents() {
    closeEvents();
    const events = new EventSource(api + '/events');
    state.events = events;
    let hadError = false;
    events.addEventListener('open', () => {
      showLost(false);
      // What changed while the stream was down comes with the whole picture again.
      if (hadError) refreshDevice().catch(() => {});
      hadError = false;
    });
    events.addEventListener('error', () => {
      hadError = true;
      showLost(true);
      // A refused stream (expired session, too many clients) is not retried by the
      // browser; ask whether we are still logged in and try again later.
      if (events.readyState === EventSource.CLOSED) {
        state.events = null;
        state.retry = setTimeout(resume, 3000);
      }
    });
    events.addEventListener('hello', (e) => setDevice(parse(e)));
    events.addEventListener('route', (e) => applyRoute(parse(e)));
    events.addEventListener('connection', (e) => {
      const data = parse(e);
      if (!state.device || !data) return;
      state.device.connection = data.connection;
      state.device.stale = !!data.stale;
      renderStatus();
    });
    events.addEventListener('stage', (e) => {
      const data = parse(e);
      setStaged((data && data.staged) || []);
    });
    ['names', 'plans', 'salvos', 'lock'].forEach((name) => {
      events.addEventListener(name, () => refreshDevice().catch(() => {}));
    });
  }

  async function resume() {
    state.retry = null;
    try {
      const session = await call('GET', '/session');
      showLost(false);
      state.session = session;
      await refreshDevice();
      openEvents();
    } catch (e) {
      if (e.status !== 401) state.retry = setTimeout(resume, 3000);
    }
  }

  function parse(event) {
    try {
      return JSON.parse(event.data);
    } catch (e) {
      return null;
    }
  }

  function showLost(lost) {
    $('lost').hidden = !lost;
    document.body.classList.toggle('lost', lost);
  }

  // --- the device picture ------------------------------------------------------------

  async function refreshDevice() {
    setDevice(await call('GET', '/device'));
  }

  function setDevice(device) {
    if (!device) return;
    state.device = device;
    const pages = (device.kinds || []).map((k) => k.kind).concat(['plans', 'salvos']);
    if (pages.indexOf(state.page) < 0) state.page = pages[0];
    setStaged((device.take && device.take.staged) || state.staged, true);
    render();
  }

  function kindOf(key) {
    return ((state.device && state.device.kinds) || []).find((k) => k.kind === key);
  }

  function applyRoute(route) {
    const kind = route && kindOf(route.kind);
    if (!kind) return;
    kind.routes = kind.routes || {};
    kind.routes[String(route.output)] = route.source;
    if (state.page === route.kind) {
      renderOutputs(kind);
      flash(route.output);
    }
  }

  function sourceName(kind, port) {
    if (!port) return tr('Nothing');
    const source = (kind.sources || []).find((s) => s.port === port);
    return source ? source.name : String(port);
  }

  // --- drawing -----------------------------------------------------------------------

  function render() {
    renderStatus();
    renderTabs();
    renderPage();
    renderTakeBar();
  }

  function renderStatus() {
    const device = state.device || {};
    const connection = device.connection || 'connecting';
    $('lamp').className = 'lamp ' + connection;
    $('lamp-text').textContent = tr(connectionTexts[connection] || 'Connecting');
    $('stale').hidden = !device.stale;
    $('model').textContent = device.model || '';
  }

  function button(className, label, detail, onTap) {
    const el = document.createElement('button');
    el.type = 'button';
    el.className = className;
    const name = document.createElement('span');
    name.className = 'name';
    name.textContent = label;
    el.appendChild(name);
    if (detail !== undefined) {
      const sub = document.createElement('span');
      sub.className = 'detail';
      sub.textContent = detail;
      el.appendChild(sub);
    }
    el.addEventListener('click', onTap);
    return el;
  }

  function renderTabs() {
    const tabs = $('tabs');
    tabs.textContent = '';
    const keys = ((state.device && state.device.kinds) || []).map((k) => k.kind);
    keys.concat(['plans', 'salvos']).forEach((key) => {
      const title = key === 'plans' ? tr('Plans') : key === 'salvos' ? tr('Salvos') : tr(kindTitles[key] || key);
      const tab = button('tab', title, undefined, () => {
        state.page = key;
        disarm();
        render();
      });
      tab.setAttribute('role', 'tab');
      tab.dataset.page = key;
      tab.setAttribute('aria-selected', String(key === state.page));
      tabs.appendChild(tab);
    });
  }

  function renderPage() {
    const page = state.page;
    $('page-routes').hidden = page === 'plans' || page === 'salvos';
    $('page-plans').hidden = page !== 'plans';
    $('page-salvos').hidden = page !== 'salvos';
    if (page === 'plans') renderRecalls('plans', (p) => p.number, (p) => '/plans/' + p.number + '/recall');
    else if (page === 'salvos') renderRecalls('salvos', (s) => s.id, (s) => '/salvos/' + s.id + '/recall');
    else if (kindOf(page)) {
      renderSources(kindOf(page));
      renderOutputs(kindOf(page));
    }
  }

  function renderSources(kind) {
    const box = $('sources');
    box.textContent = '';
    const selected = state.selected[kind.kind];
    const all = (kind.sources || []).concat([{ port: 0, name: tr('Clear') }]);
    all.forEach((source) => {
      const el = button('cell source' + (source.port === 0 ? ' clear' : ''), source.name, undefined, () => {
        state.selected[kind.kind] = source.port;
        renderSources(kind);
      });
      el.dataset.port = String(source.port);
      el.setAttribute('aria-pressed', String(selected === source.port));
      box.appendChild(el);
    });
  }

  function stagedFor(kind, output) {
    return state.staged.find((s) => s.kind === kind && s.output === output);
  }

  function renderOutputs(kind) {
    const box = $('outputs');
    box.textContent = '';
    (kind.outputs || []).forEach((output) => {
      const live = (kind.routes || {})[String(output.port)] || 0;
      const staged = stagedFor(kind.kind, output.port);
      const detail = staged
        ? tr('%1 (staged)', sourceName(kind, staged.source))
        : sourceName(kind, live);
      let className = 'cell output';
      if (output.locked) className += ' locked';
      if (output.permitted === false) className += ' refused';
      if (staged) className += ' staged';
      const el = button(className, output.name, detail, () => tapOutput(kind, output));
      el.dataset.port = String(output.port);
      el.dataset.source = String(live);
      const badge = output.locked ? tr('Locked') : output.permitted === false ? tr('No right') : '';
      if (badge) {
        const mark = document.createElement('span');
        mark.className = 'badge';
        mark.textContent = badge;
        el.appendChild(mark);
      }
      box.appendChild(el);
    });
  }

  function renderRecalls(key, idOf, pathOf) {
    const box = $(key);
    box.textContent = '';
    const items = (state.device && state.device[key]) || [];
    if (!items.length) {
      const none = document.createElement('p');
      none.className = 'hint';
      none.textContent = key === 'plans' ? tr('No plans saved') : tr('No salvos saved');
      box.appendChild(none);
      return;
    }
    items.forEach((item) => {
      const label = item.name || (key === 'plans' ? tr('Plan %1', idOf(item)) : String(idOf(item)));
      const el = button('cell recall', label, '', () => tapRecall(key, item, el, pathOf));
      el.dataset.id = String(idOf(item));
      box.appendChild(el);
    });
  }

  function renderTakeBar() {
    const takeMode = $('take-mode').checked;
    const count = state.staged.length;
    $('take').hidden = !takeMode;
    $('cancel').hidden = !takeMode;
    $('take').disabled = count === 0;
    $('cancel').disabled = count === 0;
    $('staged-count').textContent = takeMode ? tr('%1 staged', count) : '';
    document.body.classList.toggle('take-mode', takeMode);
  }

  function flash(port) {
    const el = $('outputs').querySelector('[data-port="' + port + '"]');
    if (!el) return;
    el.classList.remove('changed');
    void el.offsetWidth; // restarts the animation
    el.classList.add('changed');
  }

  function say(text, refused) {
    const line = $('message');
    line.textContent = text;
    line.classList.toggle('refused', !!refused);
  }

  // --- taps --------------------------------------------------------------------------

  async function tapOutput(kind, output) {
    disarm();
    const source = state.selected[kind.kind];
    if (source === undefined) {
      say(tr('Tap a source first, then one or more outputs.'));
      return;
    }
    const route = { kind: kind.kind, output: output.port, source };
    try {
      if ($('take-mode').checked) {
        const data = await call('POST', '/stage', route);
        setStaged(data.staged || []);
        say(tr('%1 staged for %2', sourceName(kind, source), output.name));
      } else {
        await call('POST', '/route', route);
        kind.routes = kind.routes || {};
        kind.routes[String(output.port)] = source;
        if (state.page === kind.kind) renderOutputs(kind);
        say(source ? tr('%1 now shows %2', output.name, sourceName(kind, source)) : tr('%1 cleared', output.name));
      }
    } catch (e) {
      say(e.message, true);
    }
  }

  function disarm() {
    if (state.armed) state.armed.classList.remove('armed');
    if (state.armed) state.armed.querySelector('.detail').textContent = '';
    state.armed = null;
  }

  // A recall changes many outputs at once, so it takes a second tap on the same button.
  async function tapRecall(key, item, el, pathOf) {
    if (state.armed !== el) {
      disarm();
      state.armed = el;
      el.classList.add('armed');
      el.querySelector('.detail').textContent = tr('Tap again to recall');
      return;
    }
    disarm();
    try {
      await call('POST', pathOf(item), {});
      say(tr('%1 recalled', el.querySelector('.name').textContent));
    } catch (e) {
      say(e.message, true);
    }
  }

  function setStaged(staged, quiet) {
    state.staged = staged;
    if (staged.length && !$('take-mode').checked) $('take-mode').checked = true;
    if (!quiet) {
      const kind = kindOf(state.page);
      if (kind) renderOutputs(kind);
    }
    renderTakeBar();
  }

  async function take() {
    try {
      const data = await call('POST', '/take', {});
      const dropped = data.dropped || [];
      setStaged([]);
      if (dropped.length) say(tr('%1 sent, %2 refused: %3', data.sent || 0, dropped.length, dropped.map((d) => d.reason).join('; ')), true);
      else say(tr('%1 sent', data.sent || 0));
    } catch (e) {
      say(e.message, true);
    }
  }

  async function cancelStage() {
    try {
      await call('POST', '/stage/cancel', {});
      setStaged([]);
      say('');
    } catch (e) {
      say(e.message, true);
    }
  }

  async function toggleTakeMode() {
    // Leaving take mode drops what is staged, so nothing is taken by surprise later.
    if (!$('take-mode').checked && state.staged.length) await cancelStage();
    renderTakeBar();
  }

  // --- start -------------------------------------------------------------------------

  async function boot() {
    await loadTexts();
    try {
      await start(await call('GET', '/session'));
    } catch (e) {
      if (e.status === 0) state.retry = setTimeout(boot, 3000);
      else showLogin();
    }
  }

  document.addEventListener('DOMContentLoaded', () => {
    $('login-form').addEventListener('submit', logIn);
    $('logout').addEventListener('click', logOut);
    $('take').addEventListener('click', take);
    $('cancel').addEventListener('click', cancelStage);
    $('take-mode').addEventListener('change', toggleTakeMode);
    boot();
  });
})();
