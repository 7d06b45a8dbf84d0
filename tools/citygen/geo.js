// The map transform: Albers equal-area conic, a least-squares similarity onto the game's pixels,
// then a thin-plate-spline correction that puts the given cities exactly on their given pixels.
'use strict';

const DEG = Math.PI / 180;
const EARTH_KM = 6371;

// Albers equal-area conic on the sphere; x east, y north, in km.
function makeAlbers({ lat1 = 25, lat2 = 45, lat0 = 23, lon0 = -96 } = {}) {
  const p1 = lat1 * DEG;
  const p2 = lat2 * DEG;
  const n = (Math.sin(p1) + Math.sin(p2)) / 2;
  const c = Math.cos(p1) ** 2 + 2 * n * Math.sin(p1);
  const rho = (lat) => (EARTH_KM * Math.sqrt(c - 2 * n * Math.sin(lat * DEG))) / n;
  const rho0 = rho(lat0);
  return ([lon, lat]) => {
    const theta = n * (lon - lon0) * DEG;
    const r = rho(lat);
    return [r * Math.sin(theta), rho0 - r * Math.cos(theta)];
  };
}

// Least-squares similarity (scale, rotation, translation) taking points src to dst. Pixel y runs
// downwards, so the projection's y is mirrored first: the fit is then a plain complex-linear map
// z -> a z + b with z = x - i y.
function fitSimilarity(src, dst) {
  const m = src.length;
  let sx = 0, sy = 0, dx = 0, dy = 0;
  for (let i = 0; i < m; i++) {
    sx += src[i][0]; sy += -src[i][1]; dx += dst[i][0]; dy += dst[i][1];
  }
  sx /= m; sy /= m; dx /= m; dy /= m;
  // a = sum(conj(s) d) / sum(|s|^2) over centred points.
  let nr = 0, ni = 0, den = 0;
  for (let i = 0; i < m; i++) {
    const ux = src[i][0] - sx, uy = -src[i][1] - sy;
    const vx = dst[i][0] - dx, vy = dst[i][1] - dy;
    nr += ux * vx + uy * vy;
    ni += ux * vy - uy * vx;
    den += ux * ux + uy * uy;
  }
  const ar = nr / den, ai = ni / den;
  const apply = ([x, y0]) => {
    const ux = x - sx, uy = -y0 - sy;
    return [ar * ux - ai * uy + dx, ai * ux + ar * uy + dy];
  };
  return { apply, scale: Math.hypot(ar, ai), rotationDeg: Math.atan2(ai, ar) / DEG };
}

// Solves A x = b by Gaussian elimination with partial pivoting (A is small and square).
function solve(a, b) {
  const n = b.length;
  const m = a.map((row, i) => [...row, b[i]]);
  for (let col = 0; col < n; col++) {
    let piv = col;
    for (let r = col + 1; r < n; r++) if (Math.abs(m[r][col]) > Math.abs(m[piv][col])) piv = r;
    if (Math.abs(m[piv][col]) < 1e-12) throw new Error('singular system in the spline fit');
    [m[col], m[piv]] = [m[piv], m[col]];
    for (let r = 0; r < n; r++) {
      if (r === col) continue;
      const f = m[r][col] / m[col][col];
      if (f === 0) continue;
      for (let k = col; k <= n; k++) m[r][k] -= f * m[col][k];
    }
  }
  return m.map((row, i) => row[n] / row[i]);
}

// A thin-plate spline through the control points: f(p) = p + affine(p) + sum w_i U(|p - c_i|),
// with f(c_i) = target_i exactly. U(r) = r^2 log r, the bending-energy kernel.
function fitThinPlateSpline(controls, targets) {
  const m = controls.length;
  const U = (r) => (r < 1e-9 ? 0 : r * r * Math.log(r));
  const n = m + 3;
  const a = Array.from({ length: n }, () => new Array(n).fill(0));
  for (let i = 0; i < m; i++) {
    for (let j = 0; j < m; j++) {
      a[i][j] = U(Math.hypot(controls[i][0] - controls[j][0], controls[i][1] - controls[j][1]));
    }
    a[i][m] = 1; a[i][m + 1] = controls[i][0]; a[i][m + 2] = controls[i][1];
    a[m][i] = 1; a[m + 1][i] = controls[i][0]; a[m + 2][i] = controls[i][1];
  }
  const coeffs = [0, 1].map((axis) => {
    const b = new Array(n).fill(0);
    for (let i = 0; i < m; i++) b[i] = targets[i][axis] - controls[i][axis];
    return solve(a, b);
  });
  return (p) => {
    const out = [p[0], p[1]];
    for (let axis = 0; axis < 2; axis++) {
      const c = coeffs[axis];
      let v = c[m] + c[m + 1] * p[0] + c[m + 2] * p[1];
      for (let i = 0; i < m; i++) v += c[i] * U(Math.hypot(p[0] - controls[i][0], p[1] - controls[i][1]));
      out[axis] += v;
    }
    return out;
  };
}

// The whole transform from [lon, lat] to map pixels, fitted to the given pixel positions.
// Pixel (i, j) of the picture is centred on the map point (i, j).
function makeMapTransform(anchorsLonLat, anchorsPixel) {
  const albers = makeAlbers();
  const projected = anchorsLonLat.map(albers);
  const sim = fitSimilarity(projected, anchorsPixel);
  const before = projected.map(sim.apply);
  const fitErrors = before.map((p, i) => Math.hypot(p[0] - anchorsPixel[i][0], p[1] - anchorsPixel[i][1]));
  const tps = fitThinPlateSpline(before, anchorsPixel);
  const toPixel = (lonLat) => tps(sim.apply(albers(lonLat)));
  const similarityOnly = (lonLat) => sim.apply(albers(lonLat));
  return { toPixel, similarityOnly, fitErrors, scaleKmPerPixel: 1 / sim.scale, rotationDeg: sim.rotationDeg };
}

// Great-circle distance in km.
function distanceKm([lon1, lat1], [lon2, lat2]) {
  const p1 = lat1 * DEG, p2 = lat2 * DEG;
  const dp = p2 - p1, dl = (lon2 - lon1) * DEG;
  const h = Math.sin(dp / 2) ** 2 + Math.cos(p1) * Math.cos(p2) * Math.sin(dl / 2) ** 2;
  return 2 * EARTH_KM * Math.asin(Math.min(1, Math.sqrt(h)));
}

module.exports = { makeAlbers, fitSimilarity, fitThinPlateSpline, makeMapTransform, distanceKm, solve };
