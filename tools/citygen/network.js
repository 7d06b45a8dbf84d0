// The rail network: five links a city, symmetric, the given rows as given, every other link between
// near neighbours on the map; then the order of each city's slots.
//
// How it is made (seeded, so the same run gives the same network):
//   1. The given rows fix their links; the far ends of those links get them too.
//   2. Candidate links: two cities of which at least one is among the other's dozen nearest on the
//      map. (Both ways round cannot always be had: Fort Lauderdale is among the dozen nearest of only
//      four cities, and Miami's row is full.) The score below prefers links that are near both ways.
//   3. Greedy: shortest candidates first while both ends have a free slot; then augmenting paths
//      (add a candidate, drop a link, add a candidate, ...) fill the slots that are left.
//   4. Local search with degree-keeping swaps (a–b, c–d becomes a–c, b–d) of non-given links, to
//      keep the hubs' neighbourhoods small: every city within two hops of a hub can neither hide the
//      fuzzbomb nor be a start city. The score counts the hub-free cities first, then prefers links
//      that are near both ways, then short links.
//   5. Slot 1: every city must be the slot-1 destination of some city (a new game puts the player
//      on the slot-1 train towards the start city), so slot 1 is a permutation of the cities along
//      links, found as a perfect bipartite matching. The other slots follow by distance.
'use strict';

const { FIXED_ROWS, MARKED_LINKS, HUBS } = require('./data');

const N = 200;
const DEGREE = 5;
const NEAREST = 12;
const ONE_SIDED_COST = 40;  // px: how much longer a link may be to be near both ways

// Mulberry32: a small seeded generator, so that the network does not change between runs.
function makeRandom(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const key = (a, b) => (a < b ? `${a}-${b}` : `${b}-${a}`);

function mapDistance(pos, a, b) {
  return Math.hypot(pos[a][0] - pos[b][0], pos[a][1] - pos[b][1]);
}

// For each city, the set of its dozen nearest cities on the map (ties by city number).
function nearestSets(pos) {
  const near = [null];
  for (let a = 1; a <= N; a++) {
    const others = [];
    for (let b = 1; b <= N; b++) if (b !== a) others.push(b);
    others.sort((x, y) => mapDistance(pos, a, x) - mapDistance(pos, a, y) || x - y);
    near.push(new Set(others.slice(0, NEAREST)));
  }
  return near;
}

class Graph {
  constructor() {
    this.adj = Array.from({ length: N + 1 }, () => new Set());
  }
  has(a, b) { return this.adj[a].has(b); }
  add(a, b) { this.adj[a].add(b); this.adj[b].add(a); }
  remove(a, b) { this.adj[a].delete(b); this.adj[b].delete(a); }
  degree(a) { return this.adj[a].size; }
  edges() {
    const out = [];
    for (let a = 1; a <= N; a++) for (const b of this.adj[a]) if (a < b) out.push([a, b]);
    return out;
  }
}

// Hop distances from a set of start cities (breadth-first).
function hops(graph, starts) {
  const dist = new Array(N + 1).fill(Infinity);
  const queue = [];
  for (const s of starts) { dist[s] = 0; queue.push(s); }
  for (let i = 0; i < queue.length; i++) {
    const a = queue[i];
    for (const b of graph.adj[a]) {
      if (dist[b] === Infinity) { dist[b] = dist[a] + 1; queue.push(b); }
    }
  }
  return dist;
}

// Cities where the fuzzbomb may hide and the player may start: no hub within two hops.
function hubFreeCities(graph) {
  const dist = hops(graph, HUBS);
  const out = [];
  for (let c = 1; c <= N; c++) if (dist[c] >= 3) out.push(c);
  return out;
}

// For each hub-free city, how many hub-free cities lie more than three hops away.
function startChoices(graph) {
  const free = hubFreeCities(graph);
  return free.map((f) => {
    const dist = hops(graph, [f]);
    return { city: f, starts: free.filter((s) => dist[s] > 3).length };
  });
}

function isConnected(graph) {
  return hops(graph, [1]).slice(1).every((d) => d !== Infinity);
}

function fixedEdges() {
  const fixed = new Set();
  const list = [];
  for (const [no, row] of Object.entries(FIXED_ROWS)) {
    for (const d of row.dest) {
      const k = key(Number(no), d);
      if (!fixed.has(k)) { fixed.add(k); list.push([Number(no), d]); }
    }
  }
  return { fixed, list };
}

function buildNetwork(pos, seed = 1) {
  const random = makeRandom(seed);
  const near = nearestSets(pos);
  const graph = new Graph();
  const { fixed, list: fixedList } = fixedEdges();
  for (const [a, b] of fixedList) graph.add(a, b);
  const isFixedRow = (c) => Boolean(FIXED_ROWS[c]);
  for (const c of Object.keys(FIXED_ROWS).map(Number)) {
    if (graph.degree(c) !== DEGREE) throw new Error(`given row ${c} does not have five links`);
  }
  for (let c = 1; c <= N; c++) {
    if (graph.degree(c) > DEGREE) throw new Error(`the given rows give city ${c} more than five links`);
  }

  // Candidate links between mutual near neighbours; the given rows are complete, so their cities take
  // no more links.
  const candidates = [];
  const isCandidate = new Set();
  for (let a = 1; a <= N; a++) {
    for (const b of near[a]) {
      if (b === a || isCandidate.has(key(a, b))) continue;
      if (!isFixedRow(a) && !isFixedRow(b) && !fixed.has(key(a, b))) {
        candidates.push([a, b]);
        isCandidate.add(key(a, b));
      }
    }
  }
  const candidateOf = Array.from({ length: N + 1 }, () => []);
  for (const [a, b] of candidates) { candidateOf[a].push(b); candidateOf[b].push(a); }

  // 3. Greedy, near-both-ways first, then shortest first.
  const greedyCost = ([a, b]) => mapDistance(pos, a, b) + (near[a].has(b) && near[b].has(a) ? 0 : ONE_SIDED_COST);
  candidates.sort((x, y) => greedyCost(x) - greedyCost(y));
  for (const [a, b] of candidates) {
    if (graph.degree(a) < DEGREE && graph.degree(b) < DEGREE) graph.add(a, b);
  }

  // Augmenting paths: from a city with a free slot, alternate (add a candidate, drop a non-given link)
  // until a city with a free slot is reached. Breadth-first, so the shortest repair wins.
  const augment = (start) => {
    const prev = new Map([[`${start}:0`, null]]);
    const queue = [[start, 0]];
    for (let i = 0; i < queue.length; i++) {
      const [a, parity] = queue[i];
      const nexts = parity === 0
        ? candidateOf[a].filter((b) => !graph.has(a, b))
        : [...graph.adj[a]].filter((b) => !fixed.has(key(a, b)));
      for (const b of nexts) {
        const state = `${b}:${1 - parity}`;
        if (prev.has(state)) continue;
        prev.set(state, `${a}:${parity}`);
        if (parity === 0 && b !== start && graph.degree(b) < DEGREE) {
          // Flip the path: added and dropped links alternate along it.
          const path = [b];
          let s = `${a}:${parity}`;
          while (s) { path.push(Number(s.split(':')[0])); s = prev.get(s); }
          const flips = [];
          for (let k = 0; k + 1 < path.length; k++) flips.push([path[k], path[k + 1], k % 2 === 0]);
          // A path that uses the same pair twice cannot be flipped.
          if (new Set(flips.map(([x, y]) => key(x, y))).size !== flips.length) continue;
          for (const [x, y, add] of flips) (add ? graph.add(x, y) : graph.remove(x, y));
          return true;
        }
        queue.push([b, 1 - parity]);
      }
    }
    return false;
  };
  // Where no augmenting path is found (the search above does not look through odd cycles), a random
  // kick: link the city to a candidate anyway, dropping one of that candidate's links, and go on
  // from the city that lost it.
  for (let round = 0; round < 2000; round++) {
    const short = [];
    for (let c = 1; c <= N; c++) if (graph.degree(c) < DEGREE) short.push(c);
    if (!short.length) break;
    for (const c of short) while (graph.degree(c) < DEGREE && augment(c));
    const stuck = short.find((c) => graph.degree(c) < DEGREE);
    if (stuck === undefined) continue;
    const options = candidateOf[stuck].filter((x) => !graph.has(stuck, x));
    const x = options[Math.floor(random() * options.length)];
    const drop = [...graph.adj[x]].filter((y) => !fixed.has(key(x, y)));
    if (x === undefined || !drop.length) continue;
    graph.remove(x, drop[Math.floor(random() * drop.length)]);
    graph.add(stuck, x);
  }
  const lacking = [];
  for (let c = 1; c <= N; c++) if (graph.degree(c) !== DEGREE) lacking.push(`${c} (${graph.degree(c)})`);
  if (lacking.length) throw new Error(`cannot give every city five near links: ${lacking.join(', ')}`);

  // 4. Local search with degree-keeping swaps.
  const oneSided = (a, b) => !(near[a].has(b) && near[b].has(a));
  const linkCost = (a, b) => mapDistance(pos, a, b) + (oneSided(a, b) ? ONE_SIDED_COST : 0);
  const totalCost = () => graph.edges().filter(([a, b]) => !fixed.has(key(a, b)))
    .reduce((s, [a, b]) => s + linkCost(a, b), 0);
  const score = () => hubFreeCities(graph).length * 1000 - totalCost();
  let current = score();
  const swappable = () => graph.edges().filter(([a, b]) => !fixed.has(key(a, b)));
  for (let iter = 0; iter < 20000; iter++) {
    const edges = swappable();
    const [a, b] = edges[Math.floor(random() * edges.length)];
    const [c0, d0] = edges[Math.floor(random() * edges.length)];
    const [c, d] = random() < 0.5 ? [c0, d0] : [d0, c0];
    if (new Set([a, b, c, d]).size !== 4) continue;
    if (!isCandidate.has(key(a, c)) || !isCandidate.has(key(b, d))) continue;
    if (graph.has(a, c) || graph.has(b, d)) continue;
    graph.remove(a, b); graph.remove(c, d); graph.add(a, c); graph.add(b, d);
    const next = score();
    if (next >= current && isConnected(graph)) {
      current = next;
    } else {
      graph.remove(a, c); graph.remove(b, d); graph.add(a, b); graph.add(c, d);
    }
  }

  // 5. Slot order.
  const slots = orderSlots(graph, pos);
  return { graph, slots, near, fixed };
}

// Slot 1 of every city as a permutation along links (Kuhn's augmenting-path matching), the given rows
// keeping their own order; the other slots nearest first.
function orderSlots(graph, pos) {
  const first = new Array(N + 1).fill(0);  // first[c] = slot-1 destination of c
  const firstOf = new Array(N + 1).fill(0); // firstOf[d] = the city whose slot 1 goes to d
  for (const [no, row] of Object.entries(FIXED_ROWS)) {
    first[no] = row.dest[0];
    if (firstOf[row.dest[0]]) throw new Error(`two given rows send slot 1 to city ${row.dest[0]}`);
    firstOf[row.dest[0]] = Number(no);
  }
  const tryCity = (c, seen) => {
    const options = [...graph.adj[c]].sort((x, y) => mapDistance(pos, c, x) - mapDistance(pos, c, y));
    for (const d of options) {
      if (seen.has(d)) continue;
      seen.add(d);
      const owner = firstOf[d];
      if (owner && FIXED_ROWS[owner]) continue;
      if (!owner || tryCity(owner, seen)) {
        first[c] = d;
        firstOf[d] = c;
        return true;
      }
    }
    return false;
  };
  for (let c = 1; c <= N; c++) {
    if (FIXED_ROWS[c]) continue;
    if (!tryCity(c, new Set())) throw new Error(`no slot-1 order reaches every city (stuck at city ${c})`);
  }
  const slots = [null];
  for (let c = 1; c <= N; c++) {
    if (FIXED_ROWS[c]) {
      slots.push([...FIXED_ROWS[c].dest]);
      continue;
    }
    const rest = [...graph.adj[c]].filter((d) => d !== first[c])
      .sort((x, y) => mapDistance(pos, c, x) - mapDistance(pos, c, y) || x - y);
    slots.push([first[c], ...rest]);
  }
  return slots;
}

// Every rule of the network, as text lines for the problems found (empty = all hold).
function checkNetwork(slots, pos, near) {
  const problems = [];
  const marked = new Set(MARKED_LINKS.map(([a, b]) => key(a, b)));
  const graph = new Graph();
  for (let c = 1; c <= N; c++) {
    const s = slots[c];
    if (s.length !== DEGREE) problems.push(`city ${c} has ${s.length} slots`);
    if (new Set(s).size !== s.length) problems.push(`city ${c} has a destination twice`);
    if (s.includes(c)) problems.push(`city ${c} goes to itself`);
    for (const d of s) {
      if (!(d >= 1 && d <= N)) problems.push(`city ${c} goes to ${d}`);
      else graph.add(c, d);
    }
  }
  for (let c = 1; c <= N; c++) {
    for (const d of slots[c]) if (!slots[d].includes(c)) problems.push(`link ${c}->${d} has no way back`);
  }
  for (const [no, row] of Object.entries(FIXED_ROWS)) {
    if (slots[no].join() !== row.dest.join()) problems.push(`given row ${no} changed`);
  }
  for (const [a, b] of MARKED_LINKS) {
    if (!graph.has(a, b)) problems.push(`marked link ${a}-${b} missing`);
  }
  for (const [a, b] of graph.edges()) {
    if ((HUBS.includes(a) && HUBS.includes(b)) !== marked.has(key(a, b))) {
      problems.push(`link ${a}-${b} between hubs is not one of the marked links`);
    }
  }
  if (!isConnected(graph)) problems.push('the network is not connected');
  const firstOf = new Set();
  for (let c = 1; c <= N; c++) firstOf.add(slots[c][0]);
  for (let c = 1; c <= N; c++) if (!firstOf.has(c)) problems.push(`no city has ${c} in slot 1`);
  const { fixed } = fixedEdges();
  const exceptions = [];
  const oneSided = [];
  for (const [a, b] of graph.edges()) {
    if (marked.has(key(a, b))) continue;
    if (near[a].has(b) && near[b].has(a)) continue;
    if (near[a].has(b) || near[b].has(a)) { oneSided.push([a, b]); continue; }
    if (fixed.has(key(a, b))) exceptions.push([a, b]);
    else problems.push(`link ${a}-${b} joins cities that are not near neighbours`);
  }
  const choices = startChoices(graph);
  if (choices.length < 20) problems.push(`only ${choices.length} cities have no hub within two hops`);
  for (const { city, starts } of choices) {
    if (starts < 5) problems.push(`fuzzbomb in ${city} leaves only ${starts} start cities`);
  }
  return { problems, exceptions, oneSided, choices, graph };
}

module.exports = { buildNetwork, checkNetwork, hubFreeCities, startChoices, hops, makeRandom, key };
