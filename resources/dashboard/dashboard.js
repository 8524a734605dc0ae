"use strict";
// The dashboard: draws the history the server kept, follows /api/live and
// sends changes to the API. The token is asked for once, when the server
// first refuses a change, and kept in the browser's local storage.

const tokenKey = "zu6400-token";
const historyMs = 5 * 60 * 1000;
const history = [];  // {time, swr}; swr null where there was no reading

function element(id) { return document.getElementById(id); }

function text(id, value) { element(id).textContent = value === undefined || value === "" ? "\u2013" : value; }

// 0 is what the tuner reports with no carrier.
function swrNumber(status) {
  return status.link === "ok" && status.swr >= 1 ? status.swr : null;
}

function decimal(value) { return typeof value === "number" ? value.toFixed(2) : ""; }

function showLink(status) {
  const link = element("link");
  link.textContent = status.link;
  link.className = "link " + status.link;
  const parts = [];
  if (status.firmware) parts.push("firmware " + status.firmware);
  if (status.serial !== null && status.serial !== undefined) parts.push("S/N " + status.serial);
  if (status.port) parts.push(status.port);
  element("identity").textContent = parts.join(" \u00b7 ");
}

function showSelected(name, value) {
  for (const button of document.querySelectorAll(`button[data-set="${name}"]`))
    button.classList.toggle("selected", value !== undefined && button.dataset.value === String(value));
}

function showValues(status) {
  const swr = swrNumber(status);
  text("swr", swr === null ? "" : swr.toFixed(2));
  const bar = element("swr-bar");
  bar.style.width = swr === null ? "0" : Math.min(100, (swr - 1) * 50) + "%";
  bar.style.background = swr === null || swr < 1.5 ? "var(--ok)" : swr < 2.5 ? "var(--warn)" : "var(--bad)";
  text("band", status.band);
  text("frequency", status.frequency);
  text("vfwd", status.vfwd);
  text("vrfl", status.vrfl);
  text("swr-bypass", decimal(status.swr_bypass));
  text("fault", status.fault ? status.fault.text : "");
  text("c", status.c ? status.c.pf : "");
  text("l", status.l ? status.l.nh : "");
  element("c-hex").textContent = status.c ? status.c.hex : "";
  element("l-hex").textContent = status.l ? status.l.hex : "";
  showSelected("mode", status.mode);
  showSelected("antenna", status.antenna);
  showSelected("bypass", status.bypass);
}

function addHistory(status) {
  const now = Date.now();
  history.push({ time: now, swr: swrNumber(status) });
  while (history.length && history[0].time < now - historyMs) history.shift();
}

// What the server kept of the last minutes, on this browser's clock.
async function loadHistory() {
  try {
    const reply = await (await fetch("/api/history?minutes=5")).json();
    const offset = Date.now() - Date.parse(reply.now);
    const kept = reply.points.map(p => ({ time: Date.parse(p.time) + offset, swr: p.swr >= 1 ? p.swr : null }));
    history.unshift(...kept.filter(p => !history.length || p.time < history[0].time));
    drawHistory();
  } catch (error) {
    // The live feed fills the chart on its own.
  }
}

function drawHistory() {
  const canvas = element("history");
  const width = canvas.width = canvas.clientWidth * devicePixelRatio;
  const height = canvas.height = canvas.clientHeight * devicePixelRatio;
  const g = canvas.getContext("2d");
  const top = Math.max(3, ...history.map(p => p.swr || 0));
  const now = Date.now();
  const x = time => width - (now - time) / historyMs * width;
  const y = swr => height - (swr - 1) / (top - 1) * height;
  g.strokeStyle = "#30363d";
  g.fillStyle = "#8b949e";
  g.font = 11 * devicePixelRatio + "px sans-serif";
  for (let swr = 1; swr <= top; swr += 1) {
    g.beginPath(); g.moveTo(0, y(swr)); g.lineTo(width, y(swr)); g.stroke();
    g.fillText(swr.toFixed(1), 2, Math.max(12 * devicePixelRatio, y(swr) - 2));
  }
  g.strokeStyle = "#58a6ff";
  g.lineWidth = 2 * devicePixelRatio;
  g.beginPath();
  let drawing = false;
  for (const point of history) {
    if (point.swr === null) { drawing = false; continue; }  // a gap, not a line across it
    if (drawing) g.lineTo(x(point.time), y(point.swr)); else g.moveTo(x(point.time), y(point.swr));
    drawing = true;
  }
  g.stroke();
}

function show(status) {
  showLink(status);
  showValues(status);
  addHistory(status);
  drawHistory();
}

function message(value) { element("message").textContent = value; }

async function post(path, body) {
  const token = localStorage.getItem(tokenKey) || "";
  const response = await fetch(path, {
    method: "POST",
    headers: { "Content-Type": "application/json", "Authorization": "Bearer " + token },
    body: JSON.stringify(body || {}),
  });
  return { status: response.status, reply: await response.json().catch(() => ({})) };
}

async function change(path, body) {
  message("\u2026");
  try {
    let { status, reply } = await post(path, body);
    if (status === 401) {
      const token = prompt("This server's token (zu6400ctl serve printed it when it first started):");
      if (!token) return message(reply.text || "refused");
      localStorage.setItem(tokenKey, token.trim());
      ({ status, reply } = await post(path, body));
    }
    if (status === 401) localStorage.removeItem(tokenKey);
    if (status !== 200) return message(reply.text || "refused (" + status + ")");
    message("");
    show(reply);
  } catch (error) {
    message("the server does not answer");
  }
}

function follow() {
  const socket = new WebSocket((location.protocol === "https:" ? "wss://" : "ws://") + location.host + "/api/live");
  socket.onmessage = event => {
    const data = JSON.parse(event.data);
    if (data.event === "alarm")
      message(data.alarm ? `SWR alarm: ${data.swr.toFixed(2)} above ${data.threshold}` : "SWR alarm cleared");
    else
      show(data);
  };
  socket.onclose = () => {
    show({ link: "lost" });
    setTimeout(follow, 2000);
  };
}

for (const button of document.querySelectorAll("button[data-set]"))
  button.addEventListener("click", () => change("/api/set", { [button.dataset.set]: button.dataset.value }));
element("tune").addEventListener("click", () => change("/api/tune"));
element("memorize").addEventListener("click", () => change("/api/memorize"));
addEventListener("resize", drawHistory);
loadHistory().then(follow);
