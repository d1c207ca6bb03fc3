wipe
puts "System"
model basic -ndm 3 -ndf 6
puts "restraint"
node 1 0.000E+000 0.000E+000 0.000E+000
node 2 6.000E+000 0.000E+000 0.000E+000
puts "rigidDiaphragm"
puts "mass"
puts "node"
fix 1 1 1 1 1 1 1;
puts "Equal DOF"
puts "material"
uniaxialMaterial Elastic 1 2.500E+007
puts "transformation"
geomTransf Linear 1 0.000 0.000 1.000 
puts "element"
element elasticBeamColumn 1 1 2 1.500E-001 2.500E+007 1.0416666666666666E+007 2.8173708E-003 3.1249999999999997E-003 1.125E-003 1
puts "shell element"
puts "SOLID element"
puts "recorder"
recorder Node -file node0.out -time -nodeRange 1 2 -dof 1 2 3 disp
puts "loading"
## Load Case = LIVE
pattern Plain 1 Linear {
load 2 0.000E+000 0.000E+000 -1.000E+001 0.000E+000 0.000E+000 0.000E+000
}
puts "analysis"
constraints Plain
numberer Plain
system BandGeneral
test EnergyIncr 1.0e-6 200
algorithm Newton
integrator LoadControl 1.000E-002
analysis Static
analyze 100
