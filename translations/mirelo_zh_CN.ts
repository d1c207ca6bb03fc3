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
    <name>mirelo::AnalysisDialog</name>
    <message>
        <source>Analysis Setting</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force</source>
        <translation>内力</translation>
    </message>
    <message>
        <source>Reactions</source>
        <translation>支座反力</translation>
    </message>
    <message>
        <source>There is no model to keep in a project: import a model file first</source>
        <translation type="unfinished"></translation>
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
    <name>mirelo::RecorderDialog</name>
    <message>
        <source>Recorder Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output(Recorder Setting)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>mirelo::ForceDiagramWindow</name>
    <message>
        <source>Force Diagram</source>
        <translation>内力图</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
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
    <name>mirelo::RunFolderRow</name>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Run folder</source>
        <translation>运行文件夹</translation>
    </message>
</context>
</TS>
