#!/usr/bin/env bash
# Plants one-line faults in the drying model, one at a time, and tells which
# of them the tests of the model, its run and its plots catch. For each fault:
# replace one piece of text in a source file, rebuild core_tests and
# present_tests, run them, put the file back. A fault the tests miss is a gap
# in the tests, unless
#  - it cannot change any output (an equivalent fault, listed with `same` and
#    the reason above it; the table says SAME?! if such a fault is caught
#    after all, which would make the reason wrong), or
#  - it changes only a state that no accepted input is known to reach (listed
#    with `unreached` and the reason above it).
#
# A developer's tool, not part of CI: about 15 minutes for the whole list
# (244 faults) on two cores shared with another build, after a first build of
# the tests of a few minutes (a caught fault stops at the first failing test;
# a missed one runs every test).
#
#   scripts/plant-faults.sh            every fault
#   scripts/plant-faults.sh WORD       only the faults whose description holds WORD
#   scripts/plant-faults.sh --check    only check that every fault's text is found once
#
# Builds in build-faults/ (Release, these tests only; LAMVERO_FAULT_BUILD names
# another folder) with at most two jobs. The sources are put back after each
# fault, also on Ctrl-C or an error (trap). The file paths are set once per
# part of the model below; each fault names its file by one of them.
set -uo pipefail
cd "$(dirname "$0")/.."

MOISTAIR=core/physics/moistair.cpp
CLAYBODY=core/physics/claybody.cpp
MOISTURESTEP=core/physics/moisturestep.cpp
TRIDIAGONAL=core/physics/tridiagonal.cpp
AIRMODEL=core/run/airmodel.cpp
ENERGYBALANCE=core/physics/energybalance.cpp
SETUP=core/run/setup.cpp
FIRSTPERIOD=core/run/firstperiod.cpp
SECONDPERIOD=core/run/secondperiod.cpp
EVALUATION=core/run/evaluation.cpp
RUNVIEW=present/runview.cpp
EVENTVALUES=core/run/eventvalues.cpp
PROFILEPLOT=present/profileplot.cpp
RUNSTATE=core/run/runstate.cpp
RESULTQUANTITIES=core/run/resultdescriptors.cpp
DRYINGPERIODS=core/run/dryingperiods.h
NUMBERFORMAT=core/text/numberformat.cpp
STEPESTIMATE=core/run/stepestimate.cpp

files=() olds=() news=() whats=() sames=()
# fault FILE OLD NEW WHAT: replace the only occurrence of OLD in FILE by NEW.
fault() { files+=("$1"); olds+=("$2"); news+=("$3"); whats+=("$4"); sames+=(""); }
# same FILE OLD NEW WHAT: a fault that cannot change any output (the reason is
# in the comment above it); it is planted too, to show that it is missed.
same() { files+=("$1"); olds+=("$2"); news+=("$3"); whats+=("$4"); sames+=(same); }
# unreached FILE OLD NEW WHAT: a fault that changes only a state no accepted
# input is known to reach (the comment above says which); counted as missed.
unreached() { files+=("$1"); olds+=("$2"); news+=("$3"); whats+=("$4"); sames+=(unreached); }

# ---- Moist air ----
fault "$MOISTAIR" 'if (theta > 99.6) return 0.99;' 'if (theta > 98.6) return 0.99;' 'saturation pressure: boiling cap from 98.6 °C'
fault "$MOISTAIR" 'return 0.99;' 'return 0.98;' 'saturation pressure: cap value 0.98 bar'
fault "$MOISTAIR" '610.78 * std::exp' '611.2 * std::exp' 'Magnus: pressure at 0 °C'
fault "$MOISTAIR" '17.08085 * theta' '17.27 * theta' 'Magnus: exponent factor'
fault "$MOISTAIR" '(234.175 + theta)' '(237.3 + theta)' 'Magnus: temperature offset'
fault "$MOISTAIR" ') / 100000;' ') / 101325;' 'Magnus: Pa to bar'
fault "$MOISTAIR" '0.622 * pD / (1 - pD)' '0.622 * pD / (1 + pD)' 'humidity ratio: partial pressure of dry air'
fault "$MOISTAIR" '0.622 * pD' '0.62198 * pD' 'humidity ratio: molar mass ratio'
fault "$MOISTAIR" '2500 - 2.32 * theta' '2500 - 2.37 * theta' 'latent heat: slope'
fault "$MOISTAIR" 's.hS = (2500 + 1.86 * t)' 's.hS = (2500 + 1.88 * t)' 'saturated air enthalpy: vapour specific heat'
fault "$MOISTAIR" '* s.XS + 1.005 * t;' '* s.XS + 1.0 * t;' 'saturated air enthalpy: dry-air specific heat'
fault "$MOISTAIR" '(s.hS - 1.005 * theta' '(s.hS - 1.006 * theta' 'adiabatic saturation: dry-air term'
fault "$MOISTAIR" '- cWater * thetaWB * s.XS)' '- cWater * thetaWB)' 'adiabatic saturation: liquid water term without XS'
fault "$MOISTAIR" '(2500 + 1.86 * theta - cWater * thetaWB)' '(2500 + 1.86 * theta + cWater * thetaWB)' 'adiabatic saturation: denominator sign'
fault "$MOISTAIR" 'thetaWB, 4.1868);' 'thetaWB, 4.19);' 'humidity from wet bulb: liquid water 4.19'
fault "$MOISTAIR" 'thetaWB, 4.19);' 'thetaWB, 4.1868);' 'vapour pressure from wet bulb: liquid water 4.1868'
fault "$MOISTAIR" 'double VapourPressure(double X) { return X / (X + 0.622); }' 'double VapourPressure(double X) { return X / (X + 0.62); }' 'vapour pressure from humidity ratio: molar mass ratio'
fault "$MOISTAIR" '4.19);
  return X / (X + 0.622);' '4.19);
  return X / (X + 0.62);' 'vapour pressure from wet bulb: molar mass ratio'
fault "$MOISTAIR" 'double upper = 100;' 'double upper = 90;' 'wet bulb bisection: upper bracket'
fault "$MOISTAIR" 'double lower = 0;' 'double lower = -10;' 'wet bulb bisection: lower bracket'
fault "$MOISTAIR" 'std::fabs(Xm - X) < 1e-7' 'std::fabs(Xm - X) < 1e-6' 'wet bulb bisection: tolerance'
fault "$MOISTAIR" 'counter > 1000' 'counter > 10' 'wet bulb bisection: evaluation limit'
fault "$MOISTAIR" 'if (Xm > X) {' 'if (Xm < X) {' 'wet bulb bisection: direction'

# ---- Clay body ----
fault "$CLAYBODY" '1 - body.PhiAnf + body.rho0 * X / 1000' '1 - body.PhiAnf + body.rho0 * X / 1001' 'shrinkage at moisture: water density'
fault "$CLAYBODY" 'body.rho0 * X / 1000, 1.0 / 3.0)' 'body.rho0 * X / 1000, 1.0 / 2.0)' 'shrinkage at moisture: cube root'
fault "$CLAYBODY" 'if (s < body.SchwindTot) return' 'if (s < 0.9 * body.SchwindTot) return' 'dry density: shrinkage limit'
# At s = SchwindTot the first law gives rhos * pow(1, 3) = rhos exactly.
same "$CLAYBODY" 'if (s < body.SchwindTot) return' 'if (s <= body.SchwindTot) return' 'dry density: at the total shrinkage by the first law'
fault "$CLAYBODY" 'std::pow((1 - body.SchwindTot) / (1 - s), 3.0)' 'std::pow((1 - body.SchwindTot) / (1 - s), 2.0)' 'dry density: cube of the contraction'
fault "$CLAYBODY" '(1 - std::pow(1 - s, 3.0))) / body.rho0;' '(1 - std::pow(1 - s, 3.0))) / body.rhos;' 'water content from the shrinkage (profile plot scale)'
fault "$CLAYBODY" 'if (X <= body.XSchwEnde) {' 'if (X < 0.99 * body.XSchwEnde) {' 'conductivity: dry dimensions below the limit moisture'
fault "$CLAYBODY" 'if (X <= body.XSchwEnde) {' 'if (X < body.XSchwEnde) {' 'conductivity: at the limit moisture by the shrinking body'
fault "$CLAYBODY" 'PhiW = X * body.rhos / 1000;' 'PhiW = X * body.rho0 / 1000;' 'conductivity: water content in dry dimensions'
fault "$CLAYBODY" 'PhiW = X * DryDensityAtShrinkage(body, ShrinkageAtMoisture(body, X)) / 1000;' 'PhiW = X * body.rhos / 1000;' 'conductivity: water content of the shrinking body'
# PhiW = 0 comes to the first law as KappaSteig * (0 - offPoren), to the
# third as -KappaSteig * offPoren: the same double (negation is exact).
same "$CLAYBODY" 'if (PhiW > 0 && PhiW < body.offPoren)' 'if (PhiW >= 0 && PhiW < body.offPoren)' 'conductivity: zero water by the first law'
fault "$CLAYBODY" 'body.KappaSteig * (PhiW - body.offPoren)' 'body.KappaSteig * (PhiW - 0.9 * body.offPoren)' 'conductivity: pores in the slope law'
fault "$CLAYBODY" 'kappa25 = body.KappaGr * std::pow(10.0, body.KappaSteig' 'kappa25 = body.KappaGr * std::pow(9.0, body.KappaSteig' 'conductivity: decimal logarithm'
fault "$CLAYBODY" 'kappa25 = body.KappaGr * (ratio * ratio);' 'kappa25 = body.KappaGr * ratio;' 'conductivity: square law above the pores'
fault "$CLAYBODY" '} else if (PhiW >= body.offPoren) {' '} else if (PhiW > body.offPoren) {' 'conductivity: pores just full by the dry-body value'
fault "$CLAYBODY" 'std::pow(10.0, -body.KappaSteig * body.offPoren)' 'std::pow(10.0, -body.KappaSteig * body.offPoren * 1.1)' 'conductivity: value of the dry body'
fault "$CLAYBODY" '(80 + 1.8 * (theta - 25)) / 80' '(80 + 1.9 * (theta - 25)) / 80' 'conductivity: temperature factor'
fault "$CLAYBODY" '(80 + 1.8 * (theta - 25)) / 80' '(80 + 1.8 * (theta - 20)) / 80' 'conductivity: reference temperature'
fault "$CLAYBODY" 'body.SchwindTot = linTrSchwind / 100;' 'body.SchwindTot = linTrSchwind / 1000;' 'body: shrinkage % to fraction'
fault "$CLAYBODY" 'body.rho0 = body.rhos * std::pow(1 - body.SchwindTot, 3.0);' 'body.rho0 = body.rhos * std::pow(1 - body.SchwindTot, 2.0);' 'body: green dry density'
fault "$CLAYBODY" '(body.rhos * XAnf / 1000);' '(body.rhos * XAnf / 1001);' 'body: initial water content'
fault "$CLAYBODY" 'body.offPoren = body.rhos * (body.PhiAnf - (1' 'body.offPoren = body.rhos * (body.PhiAnf + (1' 'body: open pores'
fault "$CLAYBODY" 'body.XSchwEnde = 1000 * body.offPoren / body.rhos;' 'body.XSchwEnde = 1000 * body.offPoren / body.rho0;' 'body: limit moisture'
fault "$CLAYBODY" '0.25 * body.rho0 / 1000' '0.26 * body.rho0 / 1000' 'body: reference moisture of the conductivity'
fault "$CLAYBODY" '(1 - at25.Schwind25), 3.0);' '(1 - at25.Schwind25), 2.0);' 'body: density at 0.25 kg/kg'
fault "$CLAYBODY" '(1 - std::pow(1 - at25.Schwind25, 3.0))' '(1 - std::pow(1 - at25.Schwind25, 2.0))' 'body: water content at 0.25 kg/kg'
fault "$CLAYBODY" 'const double poreRatio = body.offPoren / at25.Phi25;' 'const double poreRatio = at25.Phi25 / body.offPoren;' 'body: conductivity at the limit moisture'

# ---- Moisture step ----
fault "$MOISTURESTEP" 'const double Xm = (X[0] + X[1]) / 2;' 'const double Xm = (X[1] + X[1]) / 2;' 'surface: conductivity at the first layer only'
fault "$MOISTURESTEP" 'X[1] > body.XSchwEnde ? DryDensityAtShrinkage' 'X[0] > body.XSchwEnde ? DryDensityAtShrinkage' 'surface: density by the surface value'
fault "$MOISTURESTEP" 'X[0] = X[1] + dx * mRand / (rho * kappaS);' 'X[0] = X[1] - dx * mRand / (rho * kappaS);' 'surface: flux sign'
fault "$MOISTURESTEP" '  // No flux across the centre plane.
  X[N + 1] = X[N];' '  X[N + 1] = X[N - 1];' 'first period: mirror node'
fault "$MOISTURESTEP" 'Kappa[i] = MoistureConductivity(body, (X[i] + X[i + 1]) / 2, theta);' 'Kappa[i] = MoistureConductivity(body, X[i], theta);' 'face conductivity at one node'
fault "$MOISTURESTEP" 'FaceConductivities(body, X, 0, N, theta, K);' 'FaceConductivities(body, X, 1, N, theta, K);' 'first period: conductivity of the surface face left stale'
fault "$MOISTURESTEP" '    work.TriB[i] = 1 + dtdx2 * (KappaAussen + KappaInnen);' '    work.TriB[i] = 1 + dtdx2 * (KappaAussen + KappaAussen);' 'first period: diagonal'
fault "$MOISTURESTEP" 'work.TriC[i] = i < N ? -dtdx2 * KappaInnen : 0;' 'work.TriC[i] = i < N ? -dtdx2 * KappaAussen : 0;' 'first period: upper diagonal'
# The solver reads TriC only in rows 1..n-1 and TriA only in rows 2..n.
same "$MOISTURESTEP" 'work.TriC[i] = i < N ? -dtdx2 * KappaInnen : 0;' 'work.TriC[i] = i <= N ? -dtdx2 * KappaInnen : 0;' 'first period: upper diagonal in the last row'
same "$MOISTURESTEP" 'work.TriA[i] = i > 1 ? -dtdx2 * KappaAussen : 0;' 'work.TriA[i] = i >= 1 ? -dtdx2 * KappaAussen : 0;' 'first period: lower diagonal in the first row'
fault "$MOISTURESTEP" 'work.TriA[i] = i > 1 ? -dtdx2 * KappaAussen : 0;' 'work.TriA[i] = i > 1 ? -dtdx2 * KappaInnen : 0;' 'first period: lower diagonal'
fault "$MOISTURESTEP" 'work.TriR[1] = X[1] + dtdx2 * K[0] * X[0];' 'work.TriR[1] = X[1] + dtdx2 * K[1] * X[0];' 'first period: surface term of the right side'
fault "$MOISTURESTEP" 'work.TriR[N] = X[N] + dtdx2 * K[N] * X[N + 1];' 'work.TriR[N] = X[N] + dtdx2 * K[N - 1] * X[N + 1];' 'first period: mirror term of the right side'
fault "$MOISTURESTEP" 'mRand * dx / (body.rhos * MoistureConductivity(body, 0, ThetaK));' 'mRand * dx / (body.rho0 * MoistureConductivity(body, 0, ThetaK));' 'front: density of the dry layer'
fault "$MOISTURESTEP" 'mRand * dx / (body.rhos * MoistureConductivity(body, 0, ThetaK));' 'mRand * dx / (body.rhos * MoistureConductivity(body, 0, 25));' 'front: conductivity at the front temperature'
fault "$MOISTURESTEP" 'FaceConductivities(body, X, iSpiegel, N, ThetaK, K);' 'FaceConductivities(body, X, iSpiegel + 1, N, ThetaK, K);' 'front: conductivity of the face at the front'
fault "$MOISTURESTEP" 'if (j == first) r = r + dtdx2 * KappaAussen * X[iSpiegel];' 'if (j == first) r = r + dtdx2 * KappaInnen * X[iSpiegel];' 'wet core: front term of the right side'
# X(N+1) is set to X(N) a few lines before.
same "$MOISTURESTEP" 'if (j == N) r = r + dtdx2 * KappaInnen * X[N + 1];' 'if (j == N) r = r + dtdx2 * KappaInnen * X[N];' 'wet core: mirror term of the right side'
fault "$MOISTURESTEP" '    work.TriB[k] = 1 + dtdx2 * (KappaAussen + KappaInnen);' '    work.TriB[k] = 1 + dtdx2 * (KappaInnen + KappaInnen);' 'wet core: diagonal'
fault "$MOISTURESTEP" 'for (int j = 1; j <= n; ++j) X[j + iSpiegel] = work.TriU[j];' 'for (int j = 2; j <= n; ++j) X[j + iSpiegel] = work.TriU[j];' 'wet core: solution of the row at the front kept out'

# ---- Tridiagonal solver ----
fault "$TRIDIAGONAL" 'TriGam[i] = TriC[i] / TriBet[i];' 'TriGam[i] = TriC[i] / TriB[i];' 'solver: multiplier by the diagonal, not the pivot'
fault "$TRIDIAGONAL" 'if (TriBet[1] == 0) {' 'if (TriBet[1] != 0) {' 'solver: zero first pivot'
fault "$TRIDIAGONAL" 'TriB[i + 1] - TriGam[i] * TriA[i + 1];' 'TriB[i + 1] + TriGam[i] * TriA[i + 1];' 'solver: pivot sign'
fault "$TRIDIAGONAL" '(TriR[i] - TriA[i] * static_cast<double>(TriY[i - 1]))' '(TriR[i] + TriA[i] * static_cast<double>(TriY[i - 1]))' 'solver: forward sweep sign'
# Stored into a float array, a double is rounded to nearest just as the cast rounds it.
same "$TRIDIAGONAL" 'TriY[i] = static_cast<float>(' 'TriY[i] = static_cast<double>(' 'solver: forward sweep cast to double, stored in float'
fault "$TRIDIAGONAL" 'TriU[n] = TriY[n];' 'TriU[n] = TriR[n] / TriBet[n];' 'solver: last unknown not rounded to single precision'
fault "$TRIDIAGONAL" '- TriGam[j] * TriU[j + 1];' '+ TriGam[j] * TriU[j + 1];' 'solver: back substitution sign'
fault "$TRIDIAGONAL" 'for (int k = 1; k <= n - 1; ++k) {' 'for (int k = 1; k <= n - 2; ++k) {' 'solver: back substitution stops a row early'

# ---- Air model ----
fault "$AIRMODEL" 's.now.ThetaLuft < s.in.ThetaGegenstromende) return;' 's.now.ThetaLuft <= s.in.ThetaGegenstromende) return;' 'counter-current ends only above the set temperature'
fault "$AIRMODEL" 'if (!s.now.GegenstromAktiv ||' 'if (s.now.GegenstromAktiv ||' 'counter-current end checked in the chamber section'
fault "$AIRMODEL" 's.record.results.XGegen = s.now.xmom;' 's.record.results.XGegen = s.now.XBilanz;' 'moisture at the end of the counter-current section'
fault "$AIRMODEL" 'return ThetaAlt * (1 + 1.86 * XAlt)' 'return ThetaAlt * (1 + 1.85 * XAlt)' 'air enthalpy: vapour specific heat'
fault "$AIRMODEL" '+ 2500 * (XAlt - XNeu) -' '+ 2501 * (XAlt - XNeu) -' 'air enthalpy: heat of evaporation'
fault "$AIRMODEL" '- 4.19 * ThetaOb * (XAlt - XNeu);' '+ 4.19 * ThetaOb * (XAlt - XNeu);' 'air enthalpy: liquid water sign'
fault "$AIRMODEL" 'const double XNeu = XAlt + s.in.deltaT * now.mRand' 'const double XNeu = XAlt - s.in.deltaT * now.mRand' 'first period air: water taken up'
fault "$AIRMODEL" 'now.ThetaLuft = AirHeatUpstream(now.ThetaLuft, XAlt, XNeu, now.ThetaOb) / (1 + 1.86 * XNeu);' 'now.ThetaLuft = AirHeatUpstream(now.ThetaLuft, XAlt, XNeu, now.ThetaOb) / (1 + 1.86 * XAlt);' 'first period air: heat capacity of the new air'
fault "$AIRMODEL" 'now.dThetaK = static_cast<float>(now.ThetaK - now.ThetaKLuftAlt);' 'now.dThetaK = static_cast<float>(now.ThetaK - now.ThetaKAlt);' 'second period air: front temperature change'
fault "$AIRMODEL" 'now.ThetaKLuftAlt = now.ThetaK;' 'now.ThetaKLuftAlt = now.ThetaOb;' 'second period air: front temperature remembered'
fault "$AIRMODEL" 'const double XNeu = XAlt + now.mRand * run.FlaechenmasseInv' 'const double XNeu = XAlt + 2 * now.mRand * run.FlaechenmasseInv' 'second period air: water taken up'
fault "$AIRMODEL" 'bodyHeatFactor * (0.9 + 4.19 * now.xmom)' 'bodyHeatFactor * (0.9 + 4.19 * s.in.XAnf)' 'second period air: heat of the water in the body'
fault "$AIRMODEL" 'bodyHeatFactor * (0.9 + 4.19 * now.xmom)' 'bodyHeatFactor * (0.8 + 4.19 * now.xmom)' 'second period air: heat of the dry body'
fault "$AIRMODEL" ': s.in.deltaT;' ': 1.0;' 'second period air: standard balance takes the body heat once'
fault "$ENERGYBALANCE" 'return (Lufttemp * (1 + 1.86 * XAbluft)' 'return (Lufttemp * (1 + 1.86 * XAussen)' 'supply air: exhaust enthalpy'
fault "$ENERGYBALANCE" '2500 * (XAbluft - XAussen)' '2500 * (XAbluft + XAussen)' 'supply air: water taken up'
fault "$ENERGYBALANCE" '(0.9 * (ThetaK - ThetaEinf)' '(0.9 * (ThetaK + ThetaEinf)' 'supply air: heat of the dry body'
fault "$ENERGYBALANCE" '- 4.19 * XAnf * ThetaEinf)' '+ 4.19 * XAnf * ThetaEinf)' 'supply air: water entering as liquid'
fault "$ENERGYBALANCE" '(1 + 1.86 * XAussen);' '(1 + 1.86 * XAbluft);' 'supply air: heat capacity of the supply air'
fault "$ENERGYBALANCE" 'return (ThetaZuluft - AussenluftTemp) * LuftRohlingVerh / XAnf;' 'return (ThetaZuluft - AussenluftTemp) * XAnf / LuftRohlingVerh;' 'specific energy per kg of water'
fault "$AIRMODEL" 's.now.ThetaK, s.in.ThetaEinf,' 's.now.ThetaOb, s.in.ThetaEinf,' 'energy balance: bodies leave at the front temperature'
fault "$AIRMODEL" 'results.relEnergie = results.spezEnergie / 2500;' 'results.relEnergie = results.spezEnergie / 2257;' 'relative energy: heat of evaporation at 0 °C'
fault "$AIRMODEL" 'vapourPressure.of(s.now.ThetaLuft, s.now.ThetaOb, VapourPressureFromWetBulb)' 'vapourPressure.of(s.now.ThetaLuft, s.now.ThetaObTr, VapourPressureFromWetBulb)' 'vapour pressure of the air from the surface temperature'

# ---- Set-up ----
fault "$SETUP" '  s.StopFlag = false;
' '' 'a new run in the same state keeps the stop of the run before'
fault "$SETUP" '  s.record.series.nReihe1TA = 0;
' '' 'a new run in the same state keeps the first period end of the run before'
fault "$SETUP" 'run.DickeTr = run.DickeTr * (1 - v.linTrSchwind / 100);' 'run.DickeTr = run.DickeTr * (1 - v.linTrSchwind / 1000);' 'set-up: dry thickness'
fault "$SETUP" 'run.FlaechenmasseInv = 2 / (v.rhos * run.DickeTr);' 'run.FlaechenmasseInv = 1 / (v.rhos * run.DickeTr);' 'set-up: two faces'
fault "$SETUP" 'run.pDAb = SaturationPressure(v.Lufttemp) * v.AbluftFeuchte;' 'run.pDAb = SaturationPressure(v.Lufttemp) * v.AussenluftFeuchte;' 'set-up: exhaust humidity'
fault "$SETUP" 'run.ThetaKgr = WetBulbTemperature(v.Lufttemp, run.XAbluft);' 'run.ThetaKgr = WetBulbTemperature(v.Lufttemp, run.XAussen);' 'set-up: wet bulb of the exhaust'
fault "$SETUP" 'run.pDAu = SaturationPressure(v.AussenluftTemp) * v.AussenluftFeuchte;' 'run.pDAu = SaturationPressure(v.Lufttemp) * v.AussenluftFeuchte;' 'set-up: outside air temperature'
fault "$SETUP" 'run.LuftRohlingVerh = v.XAnf / (run.XAbluft - run.XAussen);' 'run.LuftRohlingVerh = v.XAnf / run.XAbluft;' 'set-up: air per body'
fault "$SETUP" 'run.dx = run.DickeTr / (2 * run.AnzOS);' 'run.dx = run.DickeTr / (2 * run.AnzOS + 1);' 'set-up: spatial step'
fault "$PROFILEPLOT" 'const double dxTwips = kProfilePlotWidth / static_cast<double>(N);' 'const double dxTwips = 10000 / static_cast<double>(N);' 'profile plot: spatial step in plot units'
fault "$SETUP" 'now.XLuft = HumidityFromWetBulb(v.Lufttemp, run.ThetaKgr);' 'now.XLuft = run.XAbluft;' 'set-up: air humidity from its wet bulb'
# The second period sets pDLuft before it reads it; the first never reads it.
same "$SETUP" 'now.pDLuft = VapourPressureFromWetBulb(now.ThetaLuft, now.ThetaOb);' 'now.pDLuft = run.pDAb;' 'set-up: vapour pressure of the air'
fault "$SETUP" 'now.qrand = v.Waermeuebergang * (now.ThetaLuft - now.ThetaOb);' 'now.qrand = v.Waermeuebergang * (now.ThetaLuft - run.ThetaKgr + 0.1);' 'set-up: initial heat flux'
fault "$SETUP" 'now.mRand = -now.qrand / LatentHeat(now.ThetaOb);' 'now.mRand = -now.qrand / LatentHeat(now.ThetaLuft);' 'set-up: initial evaporation'
fault "$SETUP" 'for (int i = 0; i <= run.AnzOS + 1; ++i) now.X[i] = v.XAnf;' 'for (int i = 1; i <= run.AnzOS + 1; ++i) now.X[i] = v.XAnf;' 'set-up: surface value of the initial profile'
fault "$SETUP" 'for (int i = 0; i <= run.AnzOS + 1; ++i) now.X[i] = v.XAnf;' 'for (int i = 0; i <= run.AnzOS; ++i) now.X[i] = v.XAnf;' 'set-up: mirror node of the initial profile'
fault "$SETUP" 'r.ThetaKReihe[0] = now.ThetaOb;' 'r.ThetaKReihe[0] = now.ThetaLuft;' 'set-up: first core temperature'

# ---- First drying period ----
fault "$FIRSTPERIOD" 'return std::min(ShrinkageAtMoisture(s.run.body, X), s.run.body.SchwindTot);' 'return ShrinkageAtMoisture(s.run.body, X);' 'shown shrinkage not held at the total shrinkage'
fault "$FIRSTPERIOD" 'if (now.nSchritt != 1) {' 'if (now.nSchritt != 0) {' 'first step of a curve interval moves the air'
fault "$FIRSTPERIOD" 'now.mRand = -now.qrand / LatentHeat(now.ThetaOb);' 'now.mRand = -now.qrand / LatentHeat(now.ThetaLuft);' 'first period: latent heat at the surface temperature'
fault "$FIRSTPERIOD" 'now.mRand > now.mRandAlt) now.mRand = now.mRandAlt;' 'now.mRand > now.mRandAlt) now.mRand = now.mRand;' 'rate may fall after the surface reached the limit moisture'
fault "$FIRSTPERIOD" 'if (s.record.results.t1xse > 1e-5 &&' 'if (s.record.results.t1xse >= 0 &&' 'rate held from the start'
fault "$FIRSTPERIOD" 'now.mRand, now.ThetaOb, now.grid);' 'now.mRand, now.ThetaLuft, now.grid);' 'first period: conductivity at the air temperature'
fault "$FIRSTPERIOD" 'now.XBilanz = now.XBilanz + 2 * now.mRand' 'now.XBilanz = now.XBilanz + now.mRand' 'first period: water balance of two faces'
fault "$FIRSTPERIOD" 'for (int i = 1; i <= N; ++i) sum +=' 'for (int i = 1; i < N; ++i) sum +=' 'first period: mean moisture without the centre layer'
fault "$FIRSTPERIOD" 'now.xmom = sum / ((s.run.DickeTr / 2) * s.run.body.rhos);' 'now.xmom = sum / (s.run.DickeTr * s.run.body.rhos);' 'first period: mean moisture of the half plate'
fault "$FIRSTPERIOD" 'if (r.WasserdampfReihe[k] > s.record.results.WasserdampfMax) s.record.results.WasserdampfMax' 'if (r.WasserdampfReihe[k] < s.record.results.WasserdampfMax) s.record.results.WasserdampfMax' 'first period: largest rate'
fault "$FIRSTPERIOD" '  if (s.in.linTrSchwind > kNoShrinkage) {
    r.SchwOberflReihe' '  if (s.in.linTrSchwind >= kNoShrinkage) {
    r.SchwOberflReihe' 'first period: shrinkage series at the no-shrinkage limit'
fault "$FIRSTPERIOD" 'r.SchwOberflReihe[k] = s.in.linTrSchwind * (s.in.XAnf - now.X[0])' 'r.SchwOberflReihe[k] = s.in.linTrSchwind * (s.in.XAnf - now.X[1])' 'surface shrinkage read from node 1'
fault "$FIRSTPERIOD" '    r.SchwKernReihe[k] = s.in.linTrSchwind * (s.in.XAnf - now.X[N])' '    r.SchwKernReihe[k] = s.in.linTrSchwind * (s.in.XAnf - now.X[N - 1])' 'first period: core shrinkage from the layer next to the centre'
fault "$FIRSTPERIOD" 'if (results.t1xse > 1) return;' 'if (results.t1xse > 1e300) return;' 'shrinkage gradient tracked for the whole run'
fault "$FIRSTPERIOD" 'if (results.t1xse > 1) return;' 'if (results.t1xse > 0) return;' 'shrinkage gradient: end of tracking at the limit moisture'
fault "$FIRSTPERIOD" 'ShownShrinkage(s, now.X[1])) / s.run.dx;' 'ShownShrinkage(s, now.X[2])) / s.run.dx;' 'shrinkage gradient between the wrong nodes'
fault "$FIRSTPERIOD" 'if (gradient > results.schwindgrad) {' 'if (gradient >= results.schwindgrad) {' 'shrinkage gradient: equal gradient shown again'
fault "$FIRSTPERIOD" 'results.schwinddiff = surface - ShownShrinkage(s, now.X[N]);' 'results.schwinddiff = surface - ShownShrinkage(s, now.X[N - 1]);' 'shrinkage difference to the wrong node'
fault "$FIRSTPERIOD" 'r.XOberflReihe[k] = now.X[0];' 'r.XOberflReihe[k] = now.X[1];' 'first period: surface moisture series'
fault "$FIRSTPERIOD" '  r.ThetaKReihe[k] = now.ThetaOb;' '  r.ThetaKReihe[k] = now.ThetaObTr;' 'first period: core temperature series'
fault "$FIRSTPERIOD" 'if (now.X[0] < s.run.body.XSchwEnde && results.t1xse == 0) {' 'if (now.X[0] <= s.run.body.XSchwEnde && results.t1xse == 0) {' 'surface at the limit moisture'
fault "$FIRSTPERIOD" 'coreLimit == CoreLimit::AtOrBelow ? now.X[N] <= s.run.body.XSchwEnde' 'coreLimit == CoreLimit::AtOrBelow ? now.X[N] < s.run.body.XSchwEnde' 'centre at the limit moisture, first period'
fault "$FIRSTPERIOD" ': now.X[N] < s.run.body.XSchwEnde;' ': now.X[N] <= s.run.body.XSchwEnde;' 'centre at the limit moisture, second period'
fault "$FIRSTPERIOD" 'std::floor(s.in.rund / kLiveValuesPerCurve)' 'std::floor(s.in.rund / 40)' 'first period: live values per curve'
fault "$FIRSTPERIOD" 'periodOver = surfaceDry && !curveDone;' 'periodOver = surfaceDry;' 'surface dry at a curve end ends the period at once'
# nSchritt is set back to 0 in the step it reaches rund: it never exceeds it.
same "$FIRSTPERIOD" 'const bool curveDone = now.nSchritt == s.in.rund;' 'const bool curveDone = now.nSchritt >= s.in.rund;' 'first period: curve interval at or past its end'
fault "$FIRSTPERIOD" 'if (curveDone) now.nSchritt = 0;' 'if (curveDone) now.nSchritt = 1;' 'first period: step count of a new curve interval'
fault "$DRYINGPERIODS" 'return s.record.series.nReihe < kMaxSeriesIndex;' 'return s.record.series.nReihe <= kMaxSeriesIndex;' 'full series: one point more'
fault "$FIRSTPERIOD" '      if (!RoomForPoint(s)) return PeriodEnd::SeriesFull;' '' 'first period: full series not checked'
fault "$FIRSTPERIOD" 's.record.results.X1TA = now.xmom;' 's.record.results.X1TA = now.XBilanz;' 'moisture at the end of the first period'

# ---- Second drying period ----
fault "$SECONDPERIOD" 'constexpr double kDryCentreMoisture = 0.001;' 'constexpr double kDryCentreMoisture = 0.01;' 'dry centre moisture'
fault "$SECONDPERIOD" 'return std::min(s.now.sSpiegel, s.run.DickeTr / 2);' 'return s.now.sSpiegel;' 'front depth not held at the centre'
fault "$SECONDPERIOD" 'if (now.X[1] >= 0) {' 'if (now.X[2] >= 0) {' 'front at the surface while the second layer is wet'
fault "$SECONDPERIOD" 'if (now.X[i] < 0 && now.X[i + 1] >= 0) {' 'if (now.X[i] < 0 && now.X[i + 1] > 0.001) {' 'front between a dry and a wet node'
fault "$SECONDPERIOD" 'if (i + 1 == N && now.X[i + 1] < kDryCentreMoisture) i = i + 1;' 'if (i + 1 == N && now.X[i] < kDryCentreMoisture) i = i + 1;' 'dry centre judged by the wrong layer'
fault "$SECONDPERIOD" '(1 / s.in.Waermeuebergang + now.sSpiegel / s.in.lambda)' '(1 / s.in.Waermeuebergang + now.sSpiegel * s.in.lambda)' 'heat through the dry layer: conductivity'
fault "$SECONDPERIOD" 'now.ThetaObTr = now.ThetaLuft - now.qrand / s.in.Waermeuebergang;' 'now.ThetaObTr = now.ThetaLuft + now.qrand / s.in.Waermeuebergang;' 'surface temperature over the dry layer'
fault "$SECONDPERIOD" 'double ThetaUnten = now.ThetaOb;' 'double ThetaUnten = now.ThetaOb - 1;' 'front temperature: lower bracket'
fault "$SECONDPERIOD" 'double ThetaOben = kFrontTemperatureAbove;' 'double ThetaOben = 100;' 'front temperature: upper bracket'
fault "$SECONDPERIOD" '(0.9 + 4.1868 * now.xmom)' '(0.9 + 4.1868 * s.in.XAnf)' 'front: heat stored by the water'
fault "$SECONDPERIOD" 's.run.body.rhos * s.run.DickeTr *' 's.run.body.rho0 * s.run.DickeTr *' 'front: heat stored by the dry mass'
fault "$SECONDPERIOD" '(now.ThetaK - now.ThetaKAlt) / (2 * s.in.deltaT)' '(now.ThetaK - now.ThetaKAlt) / s.in.deltaT' 'front: heat stored in the half plate'
fault "$SECONDPERIOD" '                           LatentHeat(now.ThetaK);' '                           LatentHeat(now.ThetaOb);' 'front: latent heat at the front temperature'
fault "$SECONDPERIOD" 'const double T = 273 + (s.now.ThetaObTr + s.now.ThetaK) / 2;' 'const double T = 273.15 + (s.now.ThetaObTr + s.now.ThetaK) / 2;' 'dry layer: kelvin'
fault "$SECONDPERIOD" 'const double T = 273 + (s.now.ThetaObTr + s.now.ThetaK) / 2;' 'const double T = 273 + s.now.ThetaK;' 'dry layer: mean temperature'
fault "$SECONDPERIOD" 'kVapourDiffusivity273 / (s.in.mue * now.sSpiegel)' '2.3e-5 / (s.in.mue * now.sSpiegel)' 'vapour diffusivity in air'
fault "$SECONDPERIOD" 'std::pow(T / 273, kVapourDiffusivityExponent)' 'std::pow(T / 273, 1.75)' 'vapour diffusivity: temperature exponent'
fault "$SECONDPERIOD" 'std::pow(T / 273, kVapourDiffusivityExponent)' 'std::pow(T / 293, kVapourDiffusivityExponent)' 'vapour diffusivity: reference temperature'
fault "$SECONDPERIOD" '100 / (kVapourGasConstant * T)' '100 / (0.4615 * T)' 'gas constant of water vapour'
fault "$SECONDPERIOD" 'std::log((1 - now.pDLuft) / (1 - SaturationPressure(now.ThetaK)))' 'std::log((1 + now.pDLuft) / (1 - SaturationPressure(now.ThetaK)))' 'Stefan diffusion: air side'
fault "$SECONDPERIOD" 'std::fabs((mWaerme - now.mDampf) / mWaerme) < kFrontBalanceTolerance' 'std::fabs((mWaerme - now.mDampf) / mWaerme) < 0.01' 'front balance tolerance'
fault "$SECONDPERIOD" '(balanced && now.nIter > kMinFrontIterations)' '(balanced && now.nIter > 12)' 'front: fewest bisection steps'
fault "$SECONDPERIOD" 'now.nIter > kMaxFrontIterations) return;' 'now.nIter > 40) return;' 'front: most bisection steps'
fault "$SECONDPERIOD" 'if (mWaerme > now.mDampf) {' 'if (mWaerme < now.mDampf) {' 'front bisection direction'
fault "$SECONDPERIOD" 'std::floor(0.05 * results.Dauer1TA / s.in.deltaT)' 'std::floor(0.04 * results.Dauer1TA / s.in.deltaT)' 'smoothing weight'
fault "$SECONDPERIOD" '  now.ThetaKAlt = now.ThetaOb;' '  now.ThetaKAlt = now.ThetaLuft;' 'second period: starting front temperature'
fault "$SECONDPERIOD" 'now.sSpiegel = s.run.dx * (iSp + 0.5 -' 'now.sSpiegel = s.run.dx * (iSp + 1.0 -' 'front depth interpolation'
fault "$SECONDPERIOD" 'if (now.sSpiegel < 0.0001 * s.run.dx) {' 'if (now.sSpiegel < -0.5 * s.run.dx) {' 'thin dry layer'
fault "$SECONDPERIOD" 'now.mRand = -now.qrand / LatentHeat(now.ThetaOb);' 'now.mRand = -now.qrand / LatentHeat(now.ThetaLuft);' 'thin dry layer: latent heat'
fault "$SECONDPERIOD" '/ (results.nGlatt + 1);' '/ (results.nGlatt + 2);' 'rate relaxation'
fault "$SECONDPERIOD" '    now.ThetaKAlt = now.ThetaK;' '    now.ThetaKAlt = now.ThetaOb;' 'second period: front temperature of the step before'
# Differs only in a second-period step whose centre holds exactly the limit
# moisture before it went below it; test_limits.cpp checks both readings at the limit.
unreached "$SECONDPERIOD" 'CheckShrinkageEnds(s, events, N, CoreLimit::Below);' 'CheckShrinkageEnds(s, events, N, CoreLimit::AtOrBelow);' 'second period: centre at the limit moisture'
fault "$SECONDPERIOD" 'now.XBilanz = now.XBilanz + 2 * now.mRand' 'now.XBilanz = now.XBilanz + now.mRand' 'second period: water balance of two faces'
fault "$SECONDPERIOD" 'if (now.X[j] > 0) sum +=' 'if (now.X[j] > -1) sum +=' 'second period: dry layers hold no water'
fault "$SECONDPERIOD" 'r.XOberflReihe[k] = 0;' 'r.XOberflReihe[k] = now.X[0];' 'second period: dry surface series'
fault "$SECONDPERIOD" 'r.SchwKernReihe[k] = s.in.linTrSchwind * (s.in.XAnf - now.X[N])' 'r.SchwKernReihe[k] = s.in.linTrSchwind * (s.in.XAnf - now.X[N - 1])' 'second period: core shrinkage'
fault "$SECONDPERIOD" 'if (s.in.linTrSchwind > kNoShrinkage) {' 'if (s.in.linTrSchwind >= kNoShrinkage) {' 'second period: shrinkage series at the no-shrinkage limit'
fault "$SECONDPERIOD" 'r.ThetaObReihe[k] = now.ThetaObTr;' 'r.ThetaObReihe[k] = now.ThetaOb;' 'second period: surface temperature series'
# Differs only in a step that needs 40 to 44 bisection steps: the bisection
# either balances within about 25 steps or never (51, a root outside the bracket
# or at the jump of the saturation pressure at 99.6 °C).
unreached "$SECONDPERIOD" 'now.nIter < kPoorFrontIterations ? -now.mRand * 3600 : kPoorRateMarker' 'now.nIter < 40 ? -now.mRand * 3600 : kPoorRateMarker' 'poorly converged rate marked from 40 steps'
fault "$SECONDPERIOD" 'now.nIter < kPoorFrontIterations ? -now.mRand * 3600 : kPoorRateMarker' 'now.nIter < kPoorFrontIterations ? -now.mRand * 3600 : -1' 'marker of a poorly converged rate'
fault "$SECONDPERIOD" 'if (now.nSchritt >= s.in.rund) {' 'if (now.nSchritt > s.in.rund) {' 'second period: curve interval'
fault "$SECONDPERIOD" '      now.nSchritt = 0;' '      now.nSchritt = 1;' 'second period: step count of a new curve interval'
fault "$SECONDPERIOD" 'if (now.nSchritt % displayEvery == 0) events.liveValues(DryingPeriod::Second' 'if (now.nSchritt % displayEvery == 1) events.liveValues(DryingPeriod::Second' 'second period: live values'
fault "$SECONDPERIOD" '    if (!RoomForPoint(s)) return PeriodEnd::SeriesFull;' '' 'second period: full series not checked'
fault "$SECONDPERIOD" 'if (now.sSpiegel < 0.0001 * s.run.dx) {' 'if (now.sSpiegel < 0.001 * s.run.dx) {' 'thin dry layer: limit'

# ---- Evaluation ----
fault "$EVALUATION" 'return (X - XEnde) * XAnf / (XAnf - XEnde);' 'return (X - XEnde) * XAnf / XAnf;' 'rescaling of the residual moisture'
fault "$EVALUATION" 'results.XEnde = s.now.xmom;' 'results.XEnde = s.now.XBilanz;' 'residual moisture from the water balance'
fault "$EVALUATION" 'r.ThetaLuftReihe[k - 1], W / 3, gap);' 'r.ThetaLuftReihe[k - 1], W / 2, gap);' 'air temperature smoothing weight W/3 -> W/2'
fault "$EVALUATION" 'r.XLuftReihe[k - 1], W / 3, gap);' 'r.XLuftReihe[k - 1], W, gap);' 'air humidity smoothing weight W/3 -> W'
fault "$EVALUATION" 'for (int k = kUnsmoothedPoints; k <= r.nReihe; ++k) {' 'for (int k = 1; k <= r.nReihe; ++k) {' 'smoothing from the first point'
fault "$EVALUATION" 'if (gap == 1) return (x + w * yBefore) / (w + 1);' 'if (gap == 1) return (x + w * yBefore) / (w + 2);' 'smoothing of one step'
fault "$EVALUATION" 'r.ThetaKReihe[k] = Smoothed(kernNow, kern, r.ThetaKReihe[k - 1], W, gap);' 'r.ThetaKReihe[k] = Smoothed(kernNow, kern, r.ThetaKReihe[k], W, gap);' 'core temperature smoothing'
fault "$EVALUATION" 'r.ThetaObReihe[k] = Smoothed(obNow, ob, r.ThetaObReihe[k - 1], W, gap);' 'r.ThetaObReihe[k] = Smoothed(obNow, ob, r.ThetaObReihe[k - 1], W + 1, gap);' 'surface temperature smoothing'
fault "$EVALUATION" '(1 - g * ag1 + (g - 1) * ag)' '(1 - g * ag1 + (g + 1) * ag)' 'smoothing across a gap of thinned series'
fault "$EVALUATION" 'ag * yBefore + (1 - ag) * xBefore' 'ag * yBefore + (1 - ag) * x' 'smoothing across a gap: the point before'
fault "$EVALUATION" 'const int gap = s.thinning.ordinal(k) - s.thinning.ordinal(k - 1);' 'const int gap = 1;' 'smoothing ignores the gaps of thinned series'
fault "$EVALUATION" 'if (r.WasserdampfReihe[k] < 0) r.WasserdampfReihe[k] = r.WasserdampfReihe[k - 1];' 'if (r.WasserdampfReihe[k] < 0) r.WasserdampfReihe[k] = 0;' 'marked rate replaced by the one before'
fault "$EVALUATION" 'r.WasserdampfReihe[k] = Smoothed(dampfNow, dampf, r.WasserdampfReihe[k - 1], W, gap);' 'r.WasserdampfReihe[k] = Smoothed(dampfNow, dampf, r.WasserdampfReihe[k - 1], W - 1, gap);' 'rate smoothing'
fault "$FIRSTPERIOD" 'if (r.WasserdampfReihe[k] > s.record.results.WasserdampfMax)' 'if (r.WasserdampfReihe[k - 1] > s.record.results.WasserdampfMax)' 'first period: largest rate of a stopped run'
fault "$STEPESTIMATE" 'std::pow(10, std::floor(std::log10(steps)) - 1)' 'std::pow(10, std::ceil(std::log10(steps)) - 1)' 'step estimate: two significant digits'
fault "$EVALUATION" 'if (r.WasserdampfReihe[k] > results.WasserdampfMax)' 'if (r.WasserdampfReihe[k] < results.WasserdampfMax)' 'largest smoothed rate'
fault "$EVALUATION" 'results.X1TA = WithoutResidual(results.X1TA, results.XEnde, s.in.XAnf);' '' 'moisture at the end of the first period not rescaled'
fault "$EVALUATION" 'r.XKernReihe[k] = WithoutResidual(r.XKernReihe[k], results.XEnde, s.in.XAnf);' '' 'core moisture series not rescaled'
fault "$EVALUATION" 'for (int k = 1; k <= r.nReihe; ++k) {
    r.XReihe[k]' 'for (int k = 2; k <= r.nReihe; ++k) {
    r.XReihe[k]' 'rescaling starts a point late'
fault "$EVALUATION" 'std::fabs(s.now.XBilanz / s.in.XAnf * 100)' 'std::fabs(s.now.XBilanz / s.in.XAnf * 10)' 'water error in percent'
fault "$EVALUATION" 'return Feuchteleit * deltaT / (dx * dx);' 'return Feuchteleit * deltaT / dx;' 'grid number'

# ---- Texts the run shows ----
fault "$NUMBERFORMAT" 'return FormatDuration(std::floor(seconds + 0.5));' 'return FormatDuration(std::floor(seconds));' 'clock rounds to the whole second'
fault "$RUNVIEW" 'xmom < 0.005 ?' 'xmom < 0.05 ?' 'mean moisture below a hundredth'
fault "$RUNVIEW" 'xmom < 0.005 ?' 'xmom <= 0.005 ?' 'mean moisture of half a hundredth'
fault "$RUNVIEW" 'Format(v.LuftRohlingVerh / v.XAnf, "#0.00")' 'Format(v.LuftRohlingVerh, "#0.00")' 'air per water shown'
fault "$RUNVIEW" 'Format(100 * v.body.offPoren, "#0.0")' 'Format(10 * v.body.offPoren, "#0.0")' 'open pores shown in %'
fault "$RUNVIEW" 'setVisible(C::Image7, v.linTrSchwind >= kNoShrinkage);' 'setVisible(C::Image7, v.linTrSchwind > kNoShrinkage);' 'limit-moisture line at the no-shrinkage limit'
fault "$RUNVIEW" 'show(C::txt_XGegen, Format(e.XGegen, "#0.00"));' 'show(C::txt_XGegen, Format(e.XGegen, "#0.000"));' 'moisture at the end of the counter-current section shown'
fault "$RUNVIEW" '(v.rhos * (v.XSurface + v.XLayer1) / 2)' '(v.rhos * (v.XSurface + v.XLayer1) / 3)' 'capillary velocity'
fault "$RUNVIEW" '(273 + v.ThetaObTr) / 219.492' '(273 + v.ThetaObTr) / 219.5' 'vapour velocity'
fault "$RUNVIEW" 'show(C::txt_schwindgrad, Format(0.1 * schwindgrad, "#0.00"));' 'show(C::txt_schwindgrad, Format(0.01 * schwindgrad, "#0.00"));' 'shrinkage gradient in % per mm'
fault "$RUNVIEW" '  d_.refresh(Area::Ausgabe);
  show(C::txt_Zeit, FormatClock(v.Zeit));' '  d_.refresh(Area::Ausgabe);
  show(C::txt_Zeit, FormatDuration(v.Zeit));' 'second period: clock'
# The first period sets ThetaObTr to ThetaOb before each event that shows it;
# the second period's surface over the dry layer differs.
fault "$EVENTVALUES" 'v.ThetaObTr = now.ThetaObTr;' 'v.ThetaObTr = now.ThetaOb;' 'live values: surface temperature shown'
fault "$RUNVIEW" 'if (nIter > kPoorFrontIterations) setVisible(C::lbl_Achtung, true);' 'if (nIter > 60) setVisible(C::lbl_Achtung, true);' 'warning after a poorly converged step'
fault "$RUNVIEW" 'if (nIter < kGoodFrontIterations) setVisible(C::lbl_Achtung, false);' 'if (nIter < 20) setVisible(C::lbl_Achtung, false);' 'warning goes after a well converged step'
fault "$RUNVIEW" 'if (nIter > kPoorFrontIterations) setVisible(C::lbl_Achtung, true);' 'if (nIter >= kPoorFrontIterations) setVisible(C::lbl_Achtung, true);' 'warning after a step of 45 bisection steps'
fault "$RUNVIEW" 'if (nIter < kGoodFrontIterations) setVisible(C::lbl_Achtung, false);' 'if (nIter <= kGoodFrontIterations) setVisible(C::lbl_Achtung, false);' 'warning goes after a step of 44 bisection steps'
fault "$RUNVIEW" 'if (e.values.nIter < kPoorFrontIterations) setVisible(C::lbl_Achtung, false);' 'if (e.values.nIter <= kPoorFrontIterations) setVisible(C::lbl_Achtung, false);' 'warning goes at a curve end of 45 bisection steps'
fault "$RUNVIEW" 'if (e.values.nIter > kPoorFrontIterations) setVisible(C::lbl_Achtung, true);' 'if (e.values.nIter > 60) setVisible(C::lbl_Achtung, true);' 'warning at a curve end'
fault "$RUNVIEW" '  if (e.nIter > kPoorFrontIterations) setVisible(C::lbl_Achtung, true);
  d_.repaint(C::lbl_Achtung);' '  d_.repaint(C::lbl_Achtung);' 'warning after the evaluation'
fault "$RUNVIEW" 'if (results.WasserfehlerProzent > kWaterErrorNoticeable) {' 'if (results.WasserfehlerProzent > 3.1) {' 'water error shown red'
fault "$RUNVIEW" 'if (results.WasserfehlerProzent > kWaterErrorInaccurate) {' 'if (results.WasserfehlerProzent > 6.2) {' 'water error marked inaccurate'
fault "$RUNVIEW" 'if (results.WasserfehlerProzent > kWaterErrorNoticeable) {' 'if (results.WasserfehlerProzent >= kWaterErrorNoticeable) {' 'water error of 3 % shown red'
fault "$RUNVIEW" 'if (results.WasserfehlerProzent > kWaterErrorInaccurate) {' 'if (results.WasserfehlerProzent >= kWaterErrorInaccurate) {' 'water error of 6 % marked inaccurate'
fault "$EVALUATION" 's.run.dx) < kBestGridNumberMin;' 's.run.dx) <= kBestGridNumberMin;' 'advice at the grid number 0.3'
fault "$EVALUATION" 'const bool coarseGrid = MoistureGridNumber(s.in.Feuchteleit, s.in.deltaT, s.run.dx) < kBestGridNumberMin;' 'const bool coarseGrid = MoistureGridNumber(s.in.Feuchteleit, s.in.deltaT, s.run.dx) < 0.05;' 'advice by the grid number'
fault "$RUNVIEW" 'const Rgb red{255, 0, 0};' 'const Rgb red{192, 0, 0};' 'red of the water error'

# ---- Record and result rows ----
fault "$RUNSTATE" 'r.ThetaOb = now.ThetaObTr;' 'r.ThetaOb = now.ThetaOb;' 'record: surface temperature at the end'
fault "$RUNSTATE" 'd.LuftWasserVerh = run.LuftRohlingVerh / s.in.XAnf;' 'd.LuftWasserVerh = run.LuftRohlingVerh;' 'record: air per water'
fault "$RESULTQUANTITIES" '[](R r) { return 100 * r.derived.offPoren; }' '[](R r) { return r.derived.offPoren; }' 'result rows: open pores in %'
fault "$RESULTQUANTITIES" '[](R r) { return 0.1 * r.results.schwindgrad; }' '[](R r) { return r.results.schwindgrad; }' 'result rows: shrinkage gradient in % per mm'

# ---------------------------------------------------------------------------

build=${LAMVERO_FAULT_BUILD:-build-faults}
filter=""
check_only=0
case "${1:-}" in
  --check) check_only=1 ;;
  "") ;;
  *) filter=$1 ;;
esac

# Replaces the only occurrence of $2 in file $1 by $3; fails if it occurs not exactly once.
replace_once() {
  perl -0777 -i -pe 'BEGIN { ($old, $new) = splice(@ARGV, 0, 2) }
    my $n = () = /\Q$old\E/g;
    die "found $n times\n" unless $n == 1;
    s/\Q$old\E/$new/;' -- "$2" "$3" "$1"
}

count_once() {
  perl -0777 -ne 'BEGIN { $old = shift } my $n = () = /\Q$old\E/g; print $n' -- "$2" "$1"
}

if [ "$check_only" = 1 ]; then
  bad=0
  for i in "${!files[@]}"; do
    n=$(count_once "${files[$i]}" "${olds[$i]}")
    if [ "$n" != 1 ]; then
      echo "${files[$i]}: ${whats[$i]}: the text to replace occurs $n times"
      bad=1
    fi
  done
  echo "${#files[@]} faults checked"
  exit $bad
fi

saved=$(mktemp -d)
planted=""  # the file that holds a fault right now
restore() {
  if [ -n "$planted" ]; then
    cp "$saved/original" "$planted"  # not -p: a newer time stamp makes the next build compile it again
    planted=""
  fi
}
trap 'restore; rm -rf "$saved"' EXIT
trap 'echo; echo "interrupted: sources restored"; exit 130' INT TERM

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DLAMVERO_WITH_UI=OFF -DLAMVERO_WITH_BENCH=OFF >/dev/null || exit 1
fi
# The model and its run (core_tests), and what the run draws (present_tests).
targets=(core_tests present_tests)
run_tests() {
  for t in "${targets[@]}"; do timeout 300 "$build/tests/$t" "$@" || return $?; done
}
echo "building ${targets[*]} in $build ..."
cmake --build "$build" -j2 --target "${targets[@]}" >"$saved/build.log" 2>&1 || { cat "$saved/build.log"; exit 1; }
run_tests >"$saved/run.log" 2>&1 || { echo "the tests fail without a fault:"; tail -30 "$saved/run.log"; exit 1; }

start=$SECONDS
caught=0 missed=0 unreached=0 same_missed=0 same_caught=0 broken=0 total=0
missed_list=""
printf '%-9s %-20s %-64s %s\n' "result" "file" "fault" "first failing test"
for i in "${!files[@]}"; do
  file=${files[$i]} what=${whats[$i]}
  if [ -n "$filter" ] && [[ "$what" != *"$filter"* ]]; then continue; fi
  total=$((total + 1))
  cp "$file" "$saved/original"
  planted=$file
  if ! replace_once "$file" "${olds[$i]}" "${news[$i]}" 2>"$saved/replace.log"; then
    restore
    printf '%-9s %-20s %-64s %s\n' "NOTFOUND" "$(basename "$file")" "$what" "$(cat "$saved/replace.log")"
    broken=$((broken + 1))
    continue
  fi
  if ! cmake --build "$build" -j2 --target "${targets[@]}" >"$saved/build.log" 2>&1; then
    restore
    printf '%-9s %-20s %-64s\n' "NOBUILD" "$(basename "$file")" "$what"
    broken=$((broken + 1))
    continue
  fi
  # The exit status by echo, so that a crash is told in the table, not by the shell.
  rc=$({ run_tests --gtest_fail_fast >"$saved/run.log" 2>&1; echo $?; } 2>/dev/null)
  restore
  failing=$(grep -m1 '^\[  FAILED  \]' "$saved/run.log" | sed 's/^\[  FAILED  \] //; s/, where GetParam.*//; s/ (.*//')
  if [ "$rc" = 124 ]; then
    failing="(hangs: stopped after 300 s)"
  elif [ "$rc" -gt 128 ] && [ -z "$failing" ]; then
    failing="(crashes in $(grep '^\[ RUN      \]' "$saved/run.log" | tail -1 | sed 's/^\[ RUN      \] //'))"
  fi
  if [ "${sames[$i]}" = same ]; then
    if [ "$rc" = 0 ]; then
      result="same" same_missed=$((same_missed + 1))
    else
      result="SAME?!" same_caught=$((same_caught + 1))
    fi
  elif [ "${sames[$i]}" = unreached ] && [ "$rc" = 0 ]; then
    result="unreached" unreached=$((unreached + 1))
  elif [ "$rc" = 0 ]; then
    result="MISSED" missed=$((missed + 1)) missed_list+="  $(basename "$file"): $what"$'\n'
  else
    result="caught" caught=$((caught + 1))
  fi
  printf '%-9s %-20s %-64s %s\n' "$result" "$(basename "$file")" "$what" "$failing"
done
# The last fault's object files are built again by the next build, as the sources are newer.

echo
echo "$total faults in $(((SECONDS - start) / 60)) min: $caught caught, $missed missed, $unreached in states no known input reaches, $same_missed equivalent (missed as they must be)"
[ "$same_caught" -gt 0 ] && echo "$same_caught faults listed as equivalent were caught: their reason is wrong"
[ "$broken" -gt 0 ] && echo "$broken faults could not be planted or built: fix their text"
[ -n "$missed_list" ] && printf 'missed:\n%s' "$missed_list"
[ "$missed" -eq 0 ] && [ "$broken" -eq 0 ] && [ "$same_caught" -eq 0 ]
