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
    <message>
        <source>Rotational spring (zeroLength)</source>
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
</TS>
