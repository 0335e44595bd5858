object DM: TDM
  object ConectMysql: TSQLConnection
    DriverName = 'MySQL'
    Params.Strings = (
      'DriverName=MySQL'
      'HostName=127.0.0.1'
      'Database=zelvarion'
      'User_Name=zelvarion'
      'Password=pomar481736'
      'BlobSize=-1'
      'ErrorResourceFile='
      'LocaleCode=0000'
      'Charset=utf-8'
      'Collation=latin1_swedish_ci')
    Port = 33061
  end
  object qryEmpresa: TSQLQuery
    SQLConnection = ConectMysql
    SQL.Strings = (
      'select razao, nome_fantazia from empresa'
      'where id_empresa = :id_empresa')
    Params = <
      item
        DataType = ftInteger
        Name = 'id_empresa'
        ParamType = ptInput
      end>
  end
  object dspEmpresa: TDataSetProvider
    DataSet = qryEmpresa
  end
  object cdsEmpresa: TClientDataSet
    ProviderName = 'dspEmpresa'
  end
  object qryUsuario: TSQLQuery
    SQLConnection = ConectMysql
    SQL.Strings = (
      'SELECT login, nome, id_empresa FROM usuario'
      'where login = :login'
      'and senha = :senha')
    Params = <
      item
        DataType = ftString
        Name = 'login'
        ParamType = ptInput
      end
      item
        DataType = ftString
        Name = 'senha'
        ParamType = ptInput
      end>
  end
  object qryEvento: TSQLQuery
    SQLConnection = ConectMysql
    SQL.Strings = (
      'SELECT b.id_evento, b.data_evento, b.nome, b.hora, b.tel_residencial, b.tel_comercial, b.tel_celular, c.descricao'
      'FROM evento_localizador a, evento b, tipo_evento c'
      'where b.id_evento = a.id_evento'
      'and c.id_tipo_evento = b.id_tipo_evento'
      'and b.id_empresa = :id_empresa'
      'and a.localizador like :dados'
      ''
      'order by b.data_evento, b.nome')
    Params = <
      item
        DataType = ftInteger
        Name = 'id_empresa'
        ParamType = ptInput
      end
      item
        DataType = ftString
        Name = 'dados'
        ParamType = ptInput
      end>
  end
  object cdsEvento: TClientDataSet
    ProviderName = 'dspEvento'
  end
  object dspEvento: TDataSetProvider
    DataSet = qryEvento
  end
  object dsEvento: TDataSource
    DataSet = cdsEvento
  end
  object vnSkinData1: TvnSkinData
    SkinnableForm = True
    EnableSkinEffects = True
    ShowButtonGlowFrames = True
    ShowCaptionButtonGlowFrames = True
    CompressedStoredSkin = vnCompressed
    SkinIndex = 0
  end
  object vnCompressed: TvnCompressedStoredSkin
    CompressedFileName = 'Marbleton.skn'
    CompressedData = {789C030000000001}
  end
  object qryFotoEscolhida: TSQLQuery
    SQLConnection = ConectMysql
    SQL.Strings = (
      'SELECT nome_foto, id_foto_escolhida'
      'FROM x9_foto_escolhida'
      'WHERE id_empresa = :id_empresa'
      'AND id_evento = :id_evento'
      'AND id_x9_local = :id_x9_local')
    Params = <
      item
        DataType = ftInteger
        Name = 'id_empresa'
        ParamType = ptInput
      end
      item
        DataType = ftInteger
        Name = 'id_evento'
        ParamType = ptInput
      end
      item
        DataType = ftInteger
        Name = 'id_x9_local'
        ParamType = ptInput
      end>
  end
  object dspFotoEscolhida: TDataSetProvider
    DataSet = qryFotoEscolhida
  end
  object cdsFotoEscolhida: TClientDataSet
    ProviderName = 'dspFotoEscolhida'
    FieldSettings = <
      item
        FieldName = 'nome_foto'
        DisplayWidth = 29
      end>
  end
  object dsFotoEscolhida: TDataSource
    DataSet = cdsFotoEscolhida
  end
  object qryQtoFtosEscohidas: TSQLQuery
    SQLConnection = ConectMysql
    SQL.Strings = (
      'SELECT  distinct(id_x9_local), count(id_x9_local) as qto'
      'FROM x9_foto_escolhida'
      'WHERE id_empresa = :id_empresa'
      'AND id_evento = :id_evento'
      'group by id_x9_local')
    Params = <
      item
        DataType = ftInteger
        Name = 'id_empresa'
        ParamType = ptInput
      end
      item
        DataType = ftInteger
        Name = 'id_evento'
        ParamType = ptInput
      end>
  end
  object dspQtoFtosEscohidas: TDataSetProvider
    DataSet = qryQtoFtosEscohidas
  end
  object cdsQtoFtosEscohidas: TClientDataSet
    ProviderName = 'dspQtoFtosEscohidas'
  end
end
