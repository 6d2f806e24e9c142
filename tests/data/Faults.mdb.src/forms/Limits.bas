Version =17
Begin Form
    Caption ="Limits"
    Width =8000
    Begin
        Begin Section
            Height =5000
            Name ="Detail"
            Begin
                Begin Label
                    Name ="Label With A Name Far Longer Than Forty Characters One"
                    Caption ="First long name"
                    Left =100
                    Top =100
                    Width =2000
                    Height =240
                End
                Begin Label
                    Name ="Label With A Name Far Longer Than Forty Characters Two"
                    Caption ="Second long name"
                    Left =100
                    Top =400
                    Width =2000
                    Height =240
                End
                Begin TextBox
                    Name ="Order ID"
                    Tag ="with a space"
                    Left =1500
                    Top =800
                    Width =1500
                    Height =285
                    TabIndex =0
                End
                Begin TextBox
                    Name ="Order_ID"
                    Tag ="with an underscore"
                    Left =1500
                    Top =1200
                    Width =1500
                    Height =285
                    TabIndex =1
                End
                Begin Label
                    Name ="lblLong"
                    Caption ="Caption start w001 w002 w003 w004 w005 w006 w007 w008 w009 \"w010\" w011 w012 w013 w014 w015 w016 w017 w018 w019 \"w020\" w021 w022 w023 w024 w025 w026 w027 w028 w029 \"w030\" w031 w032 w033 w034 w035 w036 w037 w038 w039 \"w040\" w041 w042 w043 w044 w045 w046 w047 w048 w049 \"w050\" w051 w052 w053 w054 w055 w056 w057 w058 w059 \"w060\" w061 w062 w063 w064 w065 w066 w067 w068 w069 \"w070\" w071 w072 w073 w074 w075 w076 w077 w078 w079 \"w080\" w081 w082 w083 w084 w085 w086 w087 w088 w089 \"w090\" w091 w092 w093 w094 w095 w096 w097 w098 w099 \"w100\" w101 w102 w103 w104 w105 w106 w107 w108 w109 \"w110\" w111 w112 w113 w114 w115 w116 w117 w118 w119 \"w120\" w121 w122 w123 w124 w125 w126 w127 w128 w129 \"w130\" w131 w132 w133 w134 w135 w136 w137 w138 w139 \"w140\" w141 w142 w143 w144 w145 w146 w147 w148 w149 \"w150\" w151 w152 w153 w154 w155 w156 w157 w158 w159 \"w160\" w161 w162 w163 w164 w165 w166 w167 w168 w169 \"w170\" w171 w172 w173 w174 w175 w176 w177 w178 w179 \"w180\" w181 w182 w183 w184 w185 w186 w187 w188 w189 \"w190\" w191 w192 w193 w194 w195 w196 w197 w198 w199 \"w200\" w201 w202 w203 w204 w205 w206 w207 w208 w209 \"w210\" w211 w212 w213 w214 w215 w216 w217 w218 w219 \"w220\" w221 w222 w223 w224 w225 w226 w227 w228 w229 \"w230\" w231 w232 w233 w234 w235 w236 w237 w238 w239 \"w240\" w241 w242 w243 w244 w245 w246 w247 w248 w249 \"w250\" w251 w252 w253 w254 w255 w256 w257 w258 w259 \"w260\" w261 w262 w263 w264 w265 w266 w267 w268 w269 \"w270\" w271 w272 w273 w274 w275 w276 w277 w278 w279 \"w280\" w281 w282 w283 w284 w285 w286 w287"
                    Left =100
                    Top =1600
                    Width =7000
                    Height =1000
                End
                Begin CommandButton
                    Name ="cmdLongTag"
                    Caption ="Long tag"
                    Tag ="Tag start w001 w002 w003 w004 w005 w006 w007 w008 w009 \"w010\" w011 w012 w013 w014 w015 w016 w017 w018 w019 \"w020\" w021 w022 w023 w024 w025 w026 w027 w028 w029 \"w030\" w031 w032 w033 w034 w035 w036 w037 w038 w039 \"w040\" w041 w042 w043 w044 w045 w046 w047 w048 w049 \"w050\" w051 w052 w053 w054 w055 w056 w057 w058 w059 \"w060\" w061 w062 w063 w064 w065 w066 w067 w068 w069 \"w070\" w071 w072 w073 w074 w075 w076 w077 w078 w079 \"w080\" w081 w082 w083 w084 w085 w086 w087 w088 w089 \"w090\" w091 w092 w093 w094 w095 w096 w097 w098 w099 \"w100\" w101 w102 w103 w104 w105 w106 w107 w108 w109 \"w110\" w111 w112 w113 w114 w115 w116 w117 w118 w119 \"w120\" w121 w122 w123 w124 w125 w126 w127 w128 w129 \"w130\" w131 w132 w133 w134 w135 w136 w137 w138 w139 \"w140\" w141 w142 w143 w144 w145 w146 w147 w148 w149 \"w150\" w151 w152 w153 w154 w155 w156 w157 w158 w159 \"w160\" w161 w162 w163 w164 w165 w166 w167 w168 w169 \"w170\" w171 w172 w173 w174 w175 w176 w177 w178 w179 \"w180\" w181 w182 w183 w184 w185 w186 w187 w188 w189 \"w190\" w191 w192 w193 w194 w195 w196 w197 w198 w199 \"w200\" w201 w202 w203 w204 w205 w206 w207 w208 w209 \"w210\" w211 w212 w213 w214 w215 w216 w217 w218 w219 \"w220\" w221 w222 w223 w224 w225 w226 w227 w228 w229 \"w230\" w231 w232 w233 w234 w235 w236 w237 w238 w239 \"w240\" w241 w242 w243 w244 w245 w246 w247 w248 w249 \"w250\" w251 w252 w253 w254 w255 w256 w257 w258 w259 \"w260\" w261 w262 w263 w264 w265 w266 w267 w268 w269 \"w270\" w271 w272 w273 w274 w275 w276 w277 w278 w279 \"w280\" w281 w282 w283 w284 w285 w286 w287"
                    Left =100
                    Top =2700
                    Width =1500
                    Height =400
                    TabIndex =2
                End
                Begin ListBox
                    Name ="lstLong"
                    RowSourceType ="Table/Query"
                    RowSource ="SELECT PersonID, FullName FROM People WHERE PersonID > 0 AND FullName <> \"n001\" AND FullName <> \"n002\" AND FullName <> \"n003\" AND FullName <> \"n004\" AND FullName <> \"n005\" AND FullName <> \"n006\" AND FullName <> \"n007\" AND FullName <> \"n008\" AND FullName <> \"n009\" AND FullName <> \"n010\" AND FullName <> \"n011\" AND FullName <> \"n012\" AND FullName <> \"n013\" AND FullName <> \"n014\" AND FullName <> \"n015\" AND FullName <> \"n016\" AND FullName <> \"n017\" AND FullName <> \"n018\" AND FullName <> \"n019\" AND FullName <> \"n020\" AND FullName <> \"n021\" AND FullName <> \"n022\" AND FullName <> \"n023\" AND FullName <> \"n024\" AND FullName <> \"n025\" AND FullName <> \"n026\" AND FullName <> \"n027\" AND FullName <> \"n028\" AND FullName <> \"n029\" AND FullName <> \"n030\" AND FullName <> \"n031\" AND FullName <> \"n032\" AND FullName <> \"n033\" AND FullName <> \"n034\" AND FullName <> \"n035\" AND FullName <> \"n036\" AND FullName <> \"n037\" AND FullName <> \"n038\" AND FullName <> \"n039\" AND FullName <> \"n040\" AND FullName <> \"n041\" AND FullName <> \"n042\" AND FullName <> \"n043\" AND FullName <> \"n044\" AND FullName <> \"n045\" AND FullName <> \"n046\" AND FullName <> \"n047\" AND FullName <> \"n048\" AND FullName <> \"n049\" AND FullName <> \"n050\" AND FullName <> \"n051\" AND FullName <> \"n052\" AND FullName <> \"n053\" AND FullName <> \"n054\" AND FullName <> \"n055\" AND FullName <> \"n056\" AND FullName <> \"n057\" AND FullName <> \"n058\" AND FullName <> \"n059\" AND FullName <> \"n060\" AND FullName <> \"n061\" AND FullName <> \"n062\" ORDER BY FullName"
                    ColumnCount =2
                    ColumnWidths ="0;2000"
                    Left =100
                    Top =3200
                    Width =3000
                    Height =1500
                    TabIndex =3
                End
            End
        End
    End
End
CodeBehindForm
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = True
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Compare Database
Option Explicit

Private Sub Form_Load()
    Me![Order ID] = 101
    Me!Order_ID = 202
End Sub
