<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Messenger</name>
    <message>
        <source>Save the changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::AboutDialog</name>
    <message>
        <source>About Mirelo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::AnalysisDialog</name>
    <message>
        <source>Analysis Setting</source>
        <translation type="unfinished">分析设置</translation>
    </message>
    <message>
        <source>Load Control Case (Const)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disp Control Case (Linear)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nonlinear Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section Aggregator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modal Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>mirelo::CurvesWindow</name>
    <message>
        <source>Curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished">浏览...</translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished">读取</translation>
    </message>
    <message>
        <source>Curve recorder file|%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run folder</source>
        <translation type="unfinished">运行文件夹</translation>
    </message>
    <message>
        <source>Export PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; peak base shear %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; peak displacement %1 at time %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pushover curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base shear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incremental dynamic analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak displacement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished">比例</translation>
    </message>
    <message>
        <source>%1 record(s): the scale against the control joint&apos;s peak displacement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture|*.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file|*.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No curve to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::ForceDiagramWindow</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Force Diagram</source>
        <translation>内力图</translation>
    </message>
    <message>
        <source>Model length per unit of force: larger draws taller diagrams</source>
        <translation>每单位内力的模型长度：越大图形越高</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Show Values</source>
        <translation>显示数值</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>内力分量</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>比例</translation>
    </message>
    <message>
        <source>Contour</source>
        <translation>云图</translation>
    </message>
    <message>
        <source>Step %1 of %2, time %3</source>
        <translation>第 %1 步（共 %2 步），时间 %3</translation>
    </message>
    <message>
        <source>The scale must be a number other than 0</source>
        <translation>比例必须是非零数值</translation>
    </message>
</context>
<context>
    <name>mirelo::FramePropertiesDialog</name>
    <message>
        <source>end i (IREL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end j (JREL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Properties</source>
        <translation>框架属性</translation>
    </message>
    <message>
        <source>Frame Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished">刷新</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Node i</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Node j</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material</source>
        <translation type="unfinished">材料</translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Releases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local 2 axis</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::FrameSectionDialog</name>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>I-Section</source>
        <translation>工字形</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>方形</translation>
    </message>
    <message>
        <source>Pipe</source>
        <translation>圆管形</translation>
    </message>
    <message>
        <source>Frame Section (Nonlinear)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material</source>
        <translation type="unfinished">材料</translation>
    </message>
    <message>
        <source>Dimention T%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nonlinear Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rebar Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P-Delta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not available</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::HelpLinks</name>
    <message>
        <source>The tutorial was not found; looked for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program to show web pages was found. The tutorial is %1; open it in a browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Mirelo %1&lt;/h3&gt;&lt;p&gt;A pre- and post-processor for the OpenSees structural analysis framework: it imports SAP2000 s2k files, writes OpenSees Tcl scripts, runs the solver and draws its results.&lt;/p&gt;&lt;p&gt;Mirelo is free software under the MIT licence (the file LICENSE that comes with it).&lt;/p&gt;&lt;p&gt;OpenSees is not part of Mirelo: install it yourself from &lt;a href=&quot;https://opensees.berkeley.edu&quot;&gt;opensees.berkeley.edu&lt;/a&gt; or build it from &lt;a href=&quot;https://github.com/OpenSees/OpenSees&quot;&gt;github.com/OpenSees/OpenSees&lt;/a&gt;, then choose it in Gen_tcl &amp;gt; Solver Setting or set MIRELO_OPENSEES to its path. OpenSees has its own licence, from the Regents of the University of California.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::LoadDisplayDialog</name>
    <message>
        <source>Show Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>mirelo::MainWindow</name>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Project...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>撤销 %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>重做 %1</translation>
    </message>
    <message>
        <source>There is no model to keep in a project: import a model file first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAP2000 text file, version 6 or tables|*.s2k;*.$2k;*.txt|All files|*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tcl file|*.tcl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture|*.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Sap2000 txt file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Section</source>
        <translation>框架截面</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>材料</translation>
    </message>
    <message>
        <source>XY View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XZ View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YZ View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom All</source>
        <translation>全部缩放</translation>
    </message>
    <message>
        <source>Rotate View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Show Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Option</source>
        <translation type="unfinished">显示选项</translation>
    </message>
    <message>
        <source>Select Elem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idle (the mouse does nothing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysis Case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorder Setting</source>
        <translation type="unfinished">记录器设置</translation>
    </message>
    <message>
        <source>OpenSEES tcl File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run OpenSEES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deformation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not available yet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sap2000V14 to Sap2000 v6 (s2k)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Define</source>
        <translation>定义</translation>
    </message>
    <message>
        <source>Gen_tcl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Suite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solver Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post</source>
        <translation>后处理</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>内力</translation>
    </message>
    <message>
        <source>Curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Mirelo Tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Properties</source>
        <translation type="unfinished">框架属性</translation>
    </message>
    <message>
        <source>3-D View (Isometric)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Plane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Planes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pan Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Loads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axis Triad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Mirelo project|*.mirelo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reactions</source>
        <translation>支座反力</translation>
    </message>
</context>
<context>
    <name>mirelo::MaterialDialog</name>
    <message>
        <source>Material Database</source>
        <translation>材料数据库</translation>
    </message>
    <message>
        <source>Material Properties (Elastic)</source>
        <translation>材料属性(弹性)</translation>
    </message>
    <message>
        <source>Material Name</source>
        <translation>材料名称</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>弹性材料</translation>
    </message>
    <message>
        <source>Material Type</source>
        <translation>材料类型</translation>
    </message>
    <message>
        <source>Elastic Modulus E</source>
        <translation>弹性模量E</translation>
    </message>
    <message>
        <source>Shear Modulus G</source>
        <translation>抗剪模量G</translation>
    </message>
    <message>
        <source>Poisson&apos;s Ratio</source>
        <translation>泊松比</translation>
    </message>
    <message>
        <source>Elastoplastic Material</source>
        <translation>弹塑性材料</translation>
    </message>
    <message>
        <source>Elastic: the script uses E, G and ν.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>mirelo::ModelStatusBar</name>
    <message>
        <source>Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fsec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wsec</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::Navigation</name>
    <message>
        <source>Pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Elem</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::PlaneStepping</name>
    <message>
        <source>3-D view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 view: all planes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::ReactionsWindow</name>
    <message>
        <source>Reactions</source>
        <translation>支座反力</translation>
    </message>
    <message>
        <source>Show in Drawing</source>
        <translation>在图中显示</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>第 %1 步（共 %2 步）</translation>
    </message>
    <message>
        <source>Joint</source>
        <translation>节点</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合计</translation>
    </message>
</context>
<context>
    <name>mirelo::RecorderDialog</name>
    <message>
        <source>Recorder Setting</source>
        <translation type="unfinished">记录器设置</translation>
    </message>
    <message>
        <source>Output(Recorder Setting)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>mirelo::ResultStepBar</name>
    <message>
        <source>Result Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the load steps, or swing the mode shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the run&apos;s folder first: no solver has run yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load a step or a mode first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load node displacements or a mode shape first: the animation plays them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The results were cleared: the animation stops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation type="unfinished">第 %1 步（共 %2 步）</translation>
    </message>
    <message>
        <source>Mode %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::ResultsDialog</name>
    <message>
        <source>Deformation Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Node Deform Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disp Scaling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scaling Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modal Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Model Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periods of the modes, T = 2 pi / sqrt(eigenvalue), from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode Num</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section Deformation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Sec Deform Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deformation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No displacements loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacements of load step %1 of %2 from %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode shape %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No periods: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none (eigenvalue %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode %1: T = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick any file in the folder of the run whose results to show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No run yet: choose its folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::RunFolderRow</name>
    <message>
        <source>Load</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick any file in the folder of the run whose results to show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none yet: run the solver or choose one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files|*</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::ScriptWindow</name>
    <message>
        <source>OpenSEES tcl(*.tcl)|*.tcl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 holds the character &apos;%2&apos;, which the model&apos;s one-byte names cannot hold: the script was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenSEES Tcl File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenSEES tcl File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::SettingsHistory</name>
    <message>
        <source>Frame Section</source>
        <translation>框架截面</translation>
    </message>
    <message>
        <source>Frame Sections</source>
        <translation>框架截面</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>材料</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>材料</translation>
    </message>
    <message>
        <source>Analysis Setting</source>
        <translation>分析设置</translation>
    </message>
    <message>
        <source>Recorder Setting</source>
        <translation>记录器设置</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>mirelo::SolverLocator</name>
    <message>
        <source>the Solver setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the environment variable %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenSees was not found (looked for %1 in the program&apos;s folder and on PATH). Install OpenSees (opensees.berkeley.edu), then choose it in Gen_tcl &gt; Solver Setting, or set the environment variable %2 to its path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Choose OpenSees in Gen_tcl &gt; Solver Setting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (from %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2 processes under %3 (from %4)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::SolverOutput</name>
    <message>
        <source>%1 warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 error line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 error lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> OpenSees reported %1 (marked in the output).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenSees could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped after %1: the script did not reach its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenSees crashed after %1: the script did not reach its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenSees ended with exit status %1 after %2: the script reached its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenSees ended with exit status %1 after %2: the script did not reach its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished cleanly after %1: the script ran to its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script ran to its end after %1, but not cleanly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenSees stopped after %1 before the end of the script, without a message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenSees stopped after %1 before the end of the script.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::SolverRun</name>
    <message>
        <source>Cannot write in the script&apos;s folder &quot;%1&quot; (%2): OpenSees writes its results there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not written for the parallel solver (it has no &quot;system Mumps&quot;): generate it again while Gen_tcl &gt; Solver Setting asks for several processes, or set 1 process there.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::SolverSettingDialog</name>
    <message>
        <source>Solver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty: MIRELO_OPENSEES, the program&apos;s folder, then PATH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished">浏览...</translation>
    </message>
    <message>
        <source>OpenSees program:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenSees|OpenSees;opensees|All files|*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 runs OpenSees. More run one analysis on OpenSeesSP under mpiexec, its model shared out over the processes; scripts are then generated for its parallel solver (system Mumps).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::SolverWindow</name>
    <message>
        <source>OpenSees: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenSees is running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Last Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load the displacements of the last step the solver recorded, and draw them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Script: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solver: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::SuiteWindow</name>
    <message>
        <source>%1 (step %2 of %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Suite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder of .AT2 records, or of records listed in records.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder the runs and summary.csv go into</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: this machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run only the runs without a result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motions folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suite folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hosts file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time limit per run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak displacement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak base shear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wall time (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IDA Curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a suite folder for the runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 runs, %2 to do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every run has its result: %1/summary.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 run(s) without a result; the solver&apos;s messages are in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::V14ConverterDialog</name>
    <message>
        <source>Nothing was converted: there is nothing to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer Sap2000 V14 s2k file to Sap2000 V16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use For</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer 3D Solid model buildt in Sap2000 V14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to Be Sap2000 V6 S2K Format Which can Import to Mirelo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open S2k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save S2k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to save: open a SAP2000 V14 file first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to save: the conversion of &quot;%1&quot; failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::ViewOptionDialog</name>
    <message>
        <source>Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Node Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Node Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diaphragms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hinge Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shell Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shell Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moment Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Option</source>
        <translation>显示选项</translation>
    </message>
    <message>
        <source>Object View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
