#!/usr/bin/env python3
"""The web page in a real browser: headless Chromium against `zeldesk --serve` and zelsim.

An administrator taps a source and an output: the cell changes and the simulator gets the
command; in take mode it gets it only on Take. A change made by another client of the device shows on the page. A user without
the right on that output taps it: the page shows the refusal and the device gets nothing.
A browser asking for Chinese gets the client's Chinese texts.
When the server goes away the page says so, and when it is back the page recovers by
itself.

Run by CTest with --zeldesk and --zelsim; exits 77 (skipped) only when Chromium or its
driver is missing. With ZEL_WEB_SHOTS=DIR it also saves the page at tablet and phone
sizes in both languages there.
"""

import argparse
import os
import queue
import shutil
import socket
import sqlite3
import subprocess
import sys
import tempfile
import threading
import time

SKIP = 77
WAIT_S = 20
FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--hide-scrollbars",
]


class Process:
    """A child program whose output lines are kept, so the test can wait for one."""

    def __init__(self, args, env=None):
        self.proc = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                     stdin=subprocess.DEVNULL, env=env, text=True, bufsize=1)
        self.lines = []
        self.cond = threading.Condition()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stdout:
            with self.cond:
                self.lines.append(line.rstrip("\n"))
                self.cond.notify_all()
        with self.cond:
            self.cond.notify_all()

    def wait_for(self, text, start=0):
        """Index of the first line from `start` on that contains text."""
        deadline = time.monotonic() + WAIT_S
        with self.cond:
            while True:
                for i in range(start, len(self.lines)):
                    if text in self.lines[i]:
                        return i
                if self.proc.poll() is not None:
                    raise AssertionError("%s ended (%s) before printing %r:\n%s" % (
                        self.proc.args[0], self.proc.returncode, text, "\n".join(self.lines)))
                left = deadline - time.monotonic()
                if left <= 0:
                    raise AssertionError("no line with %r:\n%s" % (text, "\n".join(self.lines)))
                self.cond.wait(left)

    def mark(self):
        with self.cond:
            return len(self.lines)

    def since(self, start):
        with self.cond:
            return self.lines[start:]

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


def find_browser():
    chromium = shutil.which("chromium") or shutil.which("chromium-browser")
    driver = shutil.which("chromedriver") or (
        "/usr/bin/chromedriver" if os.path.exists("/usr/bin/chromedriver") else None)
    return chromium, driver


def add_user(db, name, password, output_rights):
    """An ordinary user with the given video output rights (1 allowed, 0 refused)."""
    with sqlite3.connect(db) as conn:
        conn.execute("insert into user (username, password, type) values (?, ?, 1)",
                     (name, password))
        (uid,) = conn.execute("select id from user where username = ?", (name,)).fetchone()
        conn.execute("insert or replace into PermissionInfo (Id, OutputInfo) values (?, ?)",
                     (uid, "/".join(str(r) for r in output_rights)))


class Page:
    def __init__(self, driver, base):
        from selenium.common.exceptions import StaleElementReferenceException
        from selenium.webdriver.common.by import By
        from selenium.webdriver.support.ui import WebDriverWait
        self.d = driver
        self.base = base
        self.By = By
        # The page redraws its cells on every change, so a found cell may be replaced.
        self.wait = WebDriverWait(driver, WAIT_S, ignored_exceptions=[StaleElementReferenceException])

    def size(self, width, height):
        self.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": width < 700})

    def css(self, selector):
        return self.d.find_element(self.By.CSS_SELECTOR, selector)

    def until(self, what, message):
        return self.wait.until(lambda d: what(), message)

    def log_in(self, user, password, lang=""):
        self.d.delete_all_cookies()
        self.d.get(self.base + ("/?lang=" + lang if lang else "/"))
        self.until(lambda: self.css("#login-user").is_displayed(), "no login form")
        self.css("#login-user").send_keys(user)
        self.css("#login-password").send_keys(password)
        self.css("#login-button").click()
        self.until(lambda: self.css("#outputs .cell").is_displayed(), "no outputs after login")
        self.until(lambda: "connected" in self.css("#lamp").get_attribute("class").split(),
                   "the lamp never showed the device connected")

    def log_out(self):
        self.css("#logout").click()
        self.until(lambda: self.css("#login-user").is_displayed(), "no login form after logout")

    def tap(self, panel, port):
        self.css('#%s .cell[data-port="%d"]' % (panel, port)).click()

    def source_of(self, output):
        return self.css('#outputs .cell[data-port="%d"]' % output).get_attribute("data-source")


def check_routing(page, sim, control_port):
    page.log_in("ADMIN", "tiger905")
    mark = sim.mark()
    page.tap("sources", 3)
    page.tap("outputs", 2)
    page.until(lambda: page.source_of(2) == "3", "output 2 never showed input 3")
    sim.wait_for("3VIDEO2", mark)

    # Another client of the device routes: the page follows on its own.
    with socket.create_connection(("127.0.0.1", control_port), timeout=WAIT_S) as raw:
        raw.sendall(b"{param=5VIDEO4}")
        page.until(lambda: page.source_of(4) == "5", "another client's route never showed")
    page.log_out()


def check_take(page, sim):
    """Take mode stages on the page and sends only on Take."""
    page.log_in("ADMIN", "tiger905")
    mark = sim.mark()
    page.css("#take-mode").click()
    page.tap("sources", 7)
    page.tap("outputs", 5)
    page.until(lambda: "staged" in page.css('#outputs .cell[data-port="5"]').get_attribute("class"),
               "output 5 never showed the staged source")
    assert page.source_of(5) != "7", "a staged route showed as live"
    page.css("#take").click()
    page.until(lambda: page.source_of(5) == "7", "output 5 never showed input 7 after Take")
    sim.wait_for("7VIDEO5", mark)
    page.until(lambda: not page.d.find_elements(page.By.CSS_SELECTOR, "#outputs .staged"),
               "the stage stayed after Take")
    page.css("#take-mode").click()
    page.log_out()


def check_refusal(page, sim):
    page.log_in("OPER", "oper-pass-1")
    before = page.source_of(2)
    mark = sim.mark()
    page.tap("sources", 6)
    page.tap("outputs", 2)
    page.until(lambda: "refused" in page.css("#message").get_attribute("class").split()
               and page.css("#message").text.strip(), "no refusal shown")
    # A permitted route after it is the marker: what the device got before it is all it got.
    page.tap("outputs", 3)
    page.until(lambda: page.source_of(3) == "6", "output 3 never showed input 6")
    end = sim.wait_for("6VIDEO3", mark)
    sent = [line for line in sim.since(mark)[: end - mark] if "VIDEO2" in line]
    assert not sent, "the device got the refused route: %s" % sent
    assert page.source_of(2) == before, "the refused output changed on the page"
    page.log_out()


def check_chinese(page):
    """The page's texts come from the client's Chinese catalogue when the browser asks."""
    page.d.delete_all_cookies()
    page.d.get(page.base + "/?lang=zh")
    page.until(lambda: page.css("#login-button").text == "\u767b\u5f55", "no Chinese login button")
    page.log_in("ADMIN", "tiger905", "zh")
    page.until(lambda: page.css('.tab[data-page="video"]').text == "\u89c6\u9891", "no Chinese tab")
    # Ports nobody named carry the client's Chinese default names ("输出 1").
    page.until(lambda: page.css("#outputs .cell").text.startswith("\u8f93\u51fa 1"),
               "unnamed outputs not named in Chinese")
    page.log_out()


def check_server_lost(page, restart):
    page.log_in("ADMIN", "tiger905")
    restart(lambda: page.until(lambda: page.css("#lost").is_displayed(),
                               "the page never said the server was lost"))
    # Back: the page asks for a login again or carries on, without a reload.
    page.until(lambda: not page.css("#lost").is_displayed(), "the lost banner stayed")
    page.until(lambda: page.css("#login-user").is_displayed()
               or page.css("#outputs .cell").is_displayed(), "the page did not recover")


def save_shots(page, folder):
    os.makedirs(folder, exist_ok=True)
    for lang in ("en", "zh"):
        for width, height in ((1024, 768), (390, 844)):
            page.size(width, height)
            page.log_in("ADMIN", "tiger905", lang)
            page.d.save_screenshot(os.path.join(folder, "web-%s-%dx%d.png" % (lang, width, height)))
            if width == 1024:
                page.css("#take-mode").click()
                page.tap("sources", 2)
                page.tap("outputs", 6)
                page.until(lambda: page.d.find_elements(page.By.CSS_SELECTOR, "#outputs .staged"),
                           "nothing staged")
                page.d.save_screenshot(os.path.join(folder, "web-take-%s-%dx%d.png" % (lang, width, height)))
                page.css("#cancel").click()
                page.css("#take-mode").click()
                page.css('.tab[data-page="plans"]').click()
                page.css("#plans .cell").click()
                page.d.save_screenshot(os.path.join(folder, "web-plans-%s-%dx%d.png" % (lang, width, height)))
            page.log_out()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--zeldesk", required=True)
    parser.add_argument("--zelsim", required=True)
    args = parser.parse_args()

    chromium, chromedriver = find_browser()
    if not chromium or not chromedriver:
        print("SKIP: chromium or chromium-driver is not installed")
        return SKIP
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service

    work = tempfile.mkdtemp(prefix="zel-browser-")
    procs = []
    driver = None
    try:
        sim = Process([args.zelsim, "--model", "0809", "--port", "0", "--verbose"])
        procs.append(sim)
        line = sim.lines[sim.wait_for("listening on")]
        control_port = int(line.split(" control ")[1].split()[0])

        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
        data = os.path.join(work, "data")

        def serve(listen):
            server = Process([args.zeldesk, "--serve", "--data-dir", data,
                              "--device", "127.0.0.1:%d" % control_port, "--listen", listen], env=env)
            procs.append(server)
            line = server.lines[server.wait_for("serving on")]
            return server, line.split("serving on ")[1].split()[0].rstrip("/")

        server, base = serve("127.0.0.1:0")
        # Video output 2 is the one OPER may not route.
        add_user(os.path.join(data, "project.db"), "OPER", "oper-pass-1", [1, 0, 1, 1, 1, 1, 1, 1, 1])

        options = webdriver.ChromeOptions()
        options.binary_location = chromium
        for flag in FLAGS + ["--user-data-dir=" + os.path.join(work, "chromium"),
                             "--window-size=1024,768"]:
            options.add_argument(flag)
        driver = webdriver.Chrome(service=Service(chromedriver), options=options)
        page = Page(driver, base)
        page.size(1024, 768)

        check_routing(page, sim, control_port)
        check_take(page, sim)
        check_refusal(page, sim)
        check_chinese(page)

        def restart(while_down):
            server.stop()
            while_down()
            serve(base.split("//")[1])

        check_server_lost(page, restart)
        if os.environ.get("ZEL_WEB_SHOTS"):
            save_shots(page, os.environ["ZEL_WEB_SHOTS"])
        print("PASS: route, another client's change, take, refusal, Chinese, server lost and back")
        return 0
    finally:
        if driver is not None:
            driver.quit()
        for proc in reversed(procs):
            proc.stop()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
